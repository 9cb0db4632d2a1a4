#include "Quellarine/Desktop/IniCodec.h"

#include <QDateTime>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace quellarine;

namespace {

// Characters that the format escapes, quotes or encodes, and plain ones beside them.
const QString alphabet = QStringLiteral("ab f09 @,;=\"\\%[]/\t\n\r\a\x01\x1f\x7f\u00e4\u00ff\u0100\u6f22") + QChar(0)
    + QStringLiteral("\U0001F642");

QString randomText(std::mt19937& random, int maximum)
{
    QString text;
    const int length = static_cast<int>(random() % (maximum + 1));
    for (int index = 0; index < length; ++index) {
        // A pair of UTF-16 units stays whole.
        const qsizetype at = random() % alphabet.size();
        text += alphabet.at(at).isLowSurrogate() ? alphabet.mid(at - 1, 2)
                                                 : alphabet.mid(at, alphabet.at(at).isHighSurrogate() ? 2 : 1);
    }
    return text;
}

QVariant randomValue(std::mt19937& random)
{
    switch (random() % 12) {
    case 0:
        return random() % 2 == 0;
    case 1:
        return static_cast<qint64>(random()) * (random() % 2 == 0 ? -1 : 1) << (random() % 24);
    case 2:
        return std::ldexp(static_cast<double>(random()), static_cast<int>(random() % 200) - 100);
    case 3: {
        QByteArray bytes;
        for (int index = static_cast<int>(random() % 12); index > 0; --index) {
            bytes += static_cast<char>(random() % 256);
        }
        return bytes;
    }
    case 4: {
        QStringList list;
        for (int index = static_cast<int>(random() % 4); index > 0; --index) {
            list.append(randomText(random, 5));
        }
        return list;
    }
    case 5:
        return QVariantList{QByteArray("\x00\x01", 2), randomText(random, 3), 7};
    case 6:
        return QRect(-3, 4, 50, 60);
    case 7:
        return QDateTime(QDate(2026, 12, 8), QTime(4, 30), Qt::UTC);
    case 8:
        return QVariant();
    case 9:
        return QStringLiteral("@") + randomText(random, 4);
    default:
        return randomText(random, 12);
    }
}

QString randomKey(std::mt19937& random)
{
    static const QStringList keys{
        QStringLiteral("filterOn"),
        QStringLiteral("profile.details"),
        QStringLiteral("a/b"),
        QStringLiteral("a/b/c"),
        QStringLiteral("General/x"),
        QStringLiteral("general"),
        QStringLiteral("k ey"),
        QStringLiteral("\u043a\u043b\u044e\u0447"),
        QStringLiteral("%25"),
        QStringLiteral("x=y;z"),
        QStringLiteral("\U0001F642/\u00e4"),
        QStringLiteral("B-_.9"),
    };
    return keys.at(random() % keys.size());
}

} // namespace

// Files written by earlier versions and by QSettings itself must keep working: for any settings, the text is
// QSettings' own for a new file, byte for byte, and reading it gives what QSettings reads.
TEST(IniCodecTest, WritesQSettingsOwnTextAndReadsWhatItReads)
{
    QTemporaryDir directory;
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        QVariantMap values;
        for (int count = static_cast<int>(random() % 8); count > 0; --count) {
            values.insert(randomKey(random), randomValue(random));
        }
        const QString path = directory.filePath(QStringLiteral("made-%1.ini").arg(round));
        {
            QSettings settings(path, QSettings::IniFormat);
            for (auto it = values.cbegin(); it != values.cend(); ++it) {
                settings.setValue(it.key(), it.value());
            }
        }
        QFile file(path);
        const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        ASSERT_EQ(IniCodec::encode(values), written) << round;

        const auto decoded = IniCodec::decode(written);
        ASSERT_TRUE(decoded);
        // QSettings keeps what it wrote in memory by the file's name: a copy under another name is read afresh.
        const QString copy = directory.filePath(QStringLiteral("read-%1.ini").arg(round));
        QFile copied(copy);
        ASSERT_TRUE(copied.open(QIODevice::WriteOnly));
        copied.write(written);
        copied.close();
        const QSettings reader(copy, QSettings::IniFormat);
        ASSERT_EQ(decoded->keys(), reader.allKeys()) << round;
        for (auto it = decoded->cbegin(); it != decoded->cend(); ++it) {
            const QVariant expected = reader.value(it.key());
            EXPECT_STREQ(it.value().metaType().name(), expected.metaType().name())
                << round << ' ' << it.key().toStdString();
            EXPECT_EQ(it.value(), expected) << round << ' ' << it.key().toStdString();
        }
    }
}

// Text that is not a settings file reads as what QSettings makes of it, never as an error.
TEST(IniCodecTest, ReadsAnyTextAsQSettingsDoes)
{
    const QByteArray texts[] = {
        "",
        "no section\n[General]\nkey=1\n[",
        "[General]\nlist=a, \"b,c\", @ByteArray(d)\nbroken=\"unclosed\n",
        QByteArray("\x00\xff[\x01]\n=\n", 8),
    };
    QTemporaryDir directory;
    int index = 0;
    for (const QByteArray& text : texts) {
        const QString path = directory.filePath(QStringLiteral("text-%1.ini").arg(index++));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        const QSettings reader(path, QSettings::IniFormat);
        const auto decoded = IniCodec::decode(text);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->keys(), reader.allKeys()) << index;
        for (const QString& key : reader.allKeys()) {
            EXPECT_EQ(decoded->value(key), reader.value(key)) << index << ' ' << key.toStdString();
        }
    }
}
