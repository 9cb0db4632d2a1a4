#pragma once

#include "Quellarine/Desktop/PortalShortcuts.h"

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusVariant>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <random>

namespace quellarine::testing {

// A structure no desktop service sends where we read: (si).
struct HostilePair {
    QString text;
    int number = 0;
};

inline QDBusArgument& operator<<(QDBusArgument& argument, const HostilePair& pair)
{
    argument.beginStructure();
    argument << pair.text << pair.number;
    argument.endStructure();
    return argument;
}

inline const QDBusArgument& operator>>(const QDBusArgument& argument, HostilePair& pair)
{
    argument.beginStructure();
    argument >> pair.text >> pair.number;
    argument.endStructure();
    return argument;
}

} // namespace quellarine::testing

Q_DECLARE_METATYPE(quellarine::testing::HostilePair)

namespace quellarine::testing {

// Random values of every kind of D-Bus type, nested a few levels deep, as a broken or hostile program on the bus
// sends them where a service should send something else: numbers of each width, strings, paths, signatures,
// arrays, dictionaries with the keys we read, structures, variants within variants, and the portal's own shortcut
// lists with values of other types inside.
class HostileDBusValues {
public:
    explicit HostileDBusValues(unsigned seed)
        : random_(seed)
    {
        qDBusRegisterMetaType<HostilePair>();
        qDBusRegisterMetaType<QList<HostilePair>>();
        qDBusRegisterMetaType<QMap<QString, QString>>();
        qDBusRegisterMetaType<QList<int>>();
        qDBusRegisterMetaType<PortalShortcuts::Entry>();
        qDBusRegisterMetaType<PortalShortcuts::Entries>();
    }

    QVariant next() { return value(0); }

    // A few arguments of a signal or a reply.
    QList<QVariant> arguments()
    {
        QList<QVariant> made;
        for (int count = pick(5); count > 0; --count) {
            made.append(next());
        }
        return made;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    QString key()
    {
        static const QStringList keys{QStringLiteral("shortcuts"),    QStringLiteral("session_handle"),
                                      QStringLiteral("Active"),       QStringLiteral("trigger_description"),
                                      QStringLiteral("color-scheme"), QStringLiteral("")};
        return keys.at(pick(int(keys.size())));
    }

    QVariant value(int depth)
    {
        const int kinds = depth < 3 ? 24 : 17;
        switch (pick(kinds)) {
        case 0:
            return QVariant::fromValue(uchar(pick(256)));
        case 1:
            return pick(2) == 1;
        case 2:
            return QVariant::fromValue(short(-pick(1000)));
        case 3:
            return QVariant::fromValue(ushort(pick(1000)));
        case 4:
            return -pick(1000);
        case 5:
            return QVariant::fromValue(uint(pick(4)));
        case 6:
            return QVariant::fromValue(qlonglong(-pick(1000)));
        case 7:
            return QVariant::fromValue(qulonglong(pick(1000)));
        case 8:
            return pick(2) == 1 ? 1.0 : -0.5;
        case 9:
            return key();
        case 10:
            return QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/freedesktop/portal/desktop")));
        case 11:
            return QVariant::fromValue(QDBusSignature(QStringLiteral("a(sa{sv})")));
        case 12:
            return QStringList{key(), key()};
        case 13:
            return QByteArray("\x01\x02", pick(3));
        case 14:
            return QVariant::fromValue(QList<int>{pick(9), pick(9)});
        case 15:
            return QVariant::fromValue(QMap<QString, QString>{{key(), key()}});
        case 16:
            return QVariant::fromValue(HostilePair{key(), pick(9)});
        case 17:
            return QVariant::fromValue(QList<HostilePair>{{key(), pick(9)}});
        case 18:
        case 19:
            return QVariant::fromValue(QDBusVariant(value(depth + 1)));
        case 20:
        case 21: {
            QVariantMap map;
            for (int count = pick(3); count > 0; --count) {
                map.insert(key(), value(depth + 1));
            }
            return map;
        }
        default: {
            // The portal's own type, with anything inside.
            PortalShortcuts::Entries entries;
            for (int count = pick(3); count > 0; --count) {
                entries.append({pick(2) == 1 ? QStringLiteral("toggle") : key(), {{key(), value(depth + 1)}}});
            }
            return QVariant::fromValue(entries);
        }
        }
    }

    std::mt19937 random_;
};

} // namespace quellarine::testing
