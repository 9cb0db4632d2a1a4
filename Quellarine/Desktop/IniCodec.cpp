#include "Quellarine/Desktop/IniCodec.h"

#include <QDataStream>
#include <QDateTime>
#include <QFileInfo>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QStringEncoder>
#include <QStringList>

#include <atomic>
#include <cerrno>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quellarine {

namespace {

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

bool isHexDigit(char16_t ch)
{
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

char upperHex(unsigned digit)
{
    return "0123456789ABCDEF"[digit & 0xF];
}

// A key as QSettings spells it in the file: a "/" within a section's key becomes "\", anything but letters, digits
// and "_-." is escaped as %XX or, beyond Latin-1, %UXXXX per UTF-16 unit.
void appendKey(const QString& key, QByteArray& out)
{
    for (const QChar qch : key) {
        const char16_t ch = qch.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
                   || ch == u'-' || ch == u'.') {
            out += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += upperHex(ch >> 4);
            out += upperHex(ch);
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) {
                out += upperHex(ch >> shift);
            }
        }
    }
}

// A value's text as QSettings escapes it: control characters and quotes escaped, a value with ";", "," or "=" or
// with a space at either end in quotes; a hex digit after a "\x" or "\0" escape is escaped too, so that it is not
// read as part of the escape. Byte arrays and binary values keep each character as one byte.
void appendText(const QString& text, QByteArray& out)
{
    const bool utf8 = !(text.startsWith(QLatin1String("@ByteArray(")) || text.startsWith(QLatin1String("@Variant("))
                        || text.startsWith(QLatin1String("@DateTime(")));
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeHexDigit = false;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    qsizetype plainFrom = -1; // a run of characters that are only encoded
    const auto endPlainRun = [&](qsizetype at) {
        if (plainFrom >= 0) {
            out += toUtf8(QStringView(text).mid(plainFrom, at - plainFrom));
            plainFrom = -1;
        }
    };
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char16_t ch = text.at(index).unicode();
        if (ch == u';' || ch == u',' || ch == u'=') {
            needsQuotes = true;
        }
        if (escapeHexDigit && isHexDigit(ch)) {
            endPlainRun(index);
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeHexDigit = false;
        const char* escape = nullptr;
        switch (ch) {
        case u'\0':
            escape = "\\0";
            escapeHexDigit = true;
            break;
        case u'\a':
            escape = "\\a";
            break;
        case u'\b':
            escape = "\\b";
            break;
        case u'\f':
            escape = "\\f";
            break;
        case u'\n':
            escape = "\\n";
            break;
        case u'\r':
            escape = "\\r";
            break;
        case u'\t':
            escape = "\\t";
            break;
        case u'\v':
            escape = "\\v";
            break;
        case u'"':
            escape = "\\\"";
            break;
        case u'\\':
            escape = "\\\\";
            break;
        default:
            break;
        }
        if (escape) {
            endPlainRun(index);
            out += escape;
        } else if (ch <= 0x1F || (ch >= 0x7F && !utf8)) {
            endPlainRun(index);
            out += "\\x" + QByteArray::number(ch, 16);
            escapeHexDigit = true;
        } else if (utf8) {
            if (plainFrom < 0) {
                plainFrom = index;
            }
        } else {
            out += static_cast<char>(ch);
        }
    }
    endPlainRun(text.size());
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// One value as QSettings turns it into text before escaping it.
QString valueText(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QLatin1String(value.toByteArray()) + u')';
    case QMetaType::QKeySequence:
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        QString text = value.toString();
        if (text.contains(QChar::Null)) {
            return QStringLiteral("@String(") + text + u')';
        }
        if (text.startsWith(u'@')) {
            text.prepend(u'@');
        }
        return text;
    }
    case QMetaType::QRect: {
        const QRect rect = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", rect.x(), rect.y(), rect.width(), rect.height());
    }
    case QMetaType::QSize: {
        const QSize size = value.toSize();
        return QString::asprintf("@Size(%d %d)", size.width(), size.height());
    }
    case QMetaType::QPoint: {
        const QPoint point = value.toPoint();
        return QString::asprintf("@Point(%d %d)", point.x(), point.y());
    }
    default: {
        // Any other kind in Qt's binary form, as QSettings stores it.
        const bool dateTime = value.metaType().id() == QMetaType::QDateTime;
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            stream << value;
        }
        return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(bytes) + u')';
    }
    }
}

void appendValue(const QVariant& value, QByteArray& out)
{
    const int type = value.metaType().id();
    // A list of one element is written as that element: QSettings reads it back as a single value.
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        const QVariantList elements = value.toList();
        if (elements.isEmpty()) {
            out += "@Invalid()";
        }
        for (qsizetype index = 0; index < elements.size(); ++index) {
            if (index != 0) {
                out += ", ";
            }
            appendText(valueText(elements.at(index)), out);
        }
    } else {
        appendText(valueText(value), out);
    }
}

} // namespace

std::optional<QVariantMap> IniCodec::decode(const QByteArray& text)
{
    if (text.isEmpty()) {
        return QVariantMap();
    }
    // QSettings reads only named files. One in memory needs neither the temporary folder nor the settings' own,
    // either of which may be full or read-only.
    const int fd = ::memfd_create("quellarine-settings", MFD_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    // QSettings keeps what it parsed of a file by its name, size and time of change: a time of its own for each
    // text makes it parse this one.
    static std::atomic<time_t> texts{0};
    const timespec times[2] = {{0, UTIME_OMIT}, {++texts, 0}};
    const QString name = QStringLiteral("/proc/self/fd/%1").arg(fd);
    std::optional<QVariantMap> values;
    if (writeAll(fd, text) && ::futimens(fd, times) == 0 && QFileInfo(name).size() == text.size()) {
        const QSettings settings(name, QSettings::IniFormat);
        values.emplace();
        for (const QString& key : settings.allKeys()) {
            values->insert(key, settings.value(key));
        }
    }
    ::close(fd);
    return values;
}

QByteArray IniCodec::encode(const QVariantMap& values)
{
    // Keys without a section go under [General]; "section/key" under [section]. Sections and their keys in order,
    // as QSettings orders a file it makes.
    QMap<QString, QVariantMap> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        if (slash < 0) {
            sections[QString()].insert(it.key(), it.value());
        } else {
            sections[it.key().left(slash)].insert(it.key().mid(slash + 1), it.value());
        }
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (section != sections.cbegin()) {
            out += '\n';
        }
        QByteArray name;
        appendKey(section.key(), name);
        if (name.isEmpty()) {
            out += "[General]";
        } else if (name.compare("general", Qt::CaseInsensitive) == 0) {
            out += "[%General]";
        } else {
            out += '[' + name + ']';
        }
        out += '\n';
        for (auto entry = section->cbegin(); entry != section->cend(); ++entry) {
            appendKey(entry.key(), out);
            out += '=';
            appendValue(entry.value(), out);
            out += '\n';
        }
    }
    return out;
}

} // namespace quellarine
