// The stored settings file: any file reads without fault through every typed reader; writing the settings the
// application writes succeeds, says so, and keeps every other key reading exactly as before, also to QSettings.

#include "FuzzCheck.h"

#include "Quellarine/Desktop/Defaults.h"

#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include <map>
#include <tuple>

using namespace quellarine;

namespace {

using Reading = std::tuple<std::optional<bool>, std::optional<QString>, std::optional<QStringList>,
                           std::optional<QByteArray>, std::optional<nlohmann::json>>;

Reading read(const Defaults& defaults, const QString& key)
{
    return {defaults.boolean(key), defaults.string(key), defaults.stringList(key), defaults.data(key),
            defaults.json(key)};
}

const QString filterOnKey = QStringLiteral("filterOn");
const QString presetKey = QStringLiteral("preset");
const QString personalKey = QStringLiteral("personalSetting");
const nlohmann::json personal
    = {{"base", "strong"}, {"minCutoff", 0.8}, {"beta", 0.01}, {"stages", 2}, {"strength", 0.9}};

// QSettings takes "/a//b/" and "a/b" for one key.
QString normalized(const QString& key)
{
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

bool isWritten(const QString& key)
{
    const QString plain = normalized(key);
    return plain == filterOnKey || plain == presetKey || plain == personalKey;
}

} // namespace

// QSettings keeps each file it parsed in a cache that outlives the input. Checked for leaks after each input,
// every run would look like a leak and cost a scan of the heap; the check at exit still runs.
// A binary value in the file ("@Variant(...)") may announce a huge list: Qt asks for the memory, copes when it
// is refused, and touches no more than the value holds. Under the sanitizer even an untouched allocation costs
// memory (its shadow), so large requests are refused here, quietly as the system's allocator does, and libFuzzer
// must not count them as running out of memory.
// The application reads its settings with a GUI application running, which a binary value of a GUI type (an
// image, a colour) needs in order to be decoded at all.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::addFlag(argc, argv, "-detect_leaks=0");
    fuzz::addFlag(argc, argv, "-malloc_limit_mb=1048576");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int applicationArgc = 1;
    static char name[] = "DefaultsFuzzer";
    static char* applicationArgv[] = {name, nullptr};
    static QGuiApplication application(applicationArgc, applicationArgv);
    return 0;
}

extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:max_allocation_size_mb=256";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The settings file lives here, and each input writes it: scripts/fuzz.sh points TMPDIR at memory.
    static QTemporaryDir directory;
    static int run = 0;
    // A new name for each input: QSettings caches what it parsed per file.
    const QString path = directory.filePath(QStringLiteral("settings-%1.ini").arg(run));
    // The keys are listed from a copy: QSettings shares what it parsed of a file, and the settings must read
    // their file first, as the application's do.
    const QString copy = directory.filePath(QStringLiteral("keys-%1.ini").arg(run++));
    for (const QString& name : {path, copy}) {
        QFile file(name);
        fuzz::require(file.open(QIODevice::WriteOnly), "cannot write the settings file");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QStringList keys;
    QSet<QString> undecodable;
    {
        const QSettings listed(copy, QSettings::IniFormat);
        keys = listed.allKeys();
        // Values that QSettings does not read back as it wrote them (a list holding a value of no known kind
        // becomes nothing, a typed value may come back as text) read otherwise once the file is written anew, as
        // at the next launch. Each is written alone and read back from a file QSettings has not seen.
        for (const QString& key : keys) {
            const QString written = directory.filePath(QStringLiteral("written-%1.ini").arg(run));
            const QString reread
                = directory.filePath(QStringLiteral("reread-%1-%2.ini").arg(run).arg(keys.indexOf(key)));
            QSettings(written, QSettings::IniFormat).setValue(QStringLiteral("value"), listed.value(key));
            QFile::copy(written, reread);
            const QVariant back = QSettings(reread, QSettings::IniFormat).value(QStringLiteral("value"));
            if (back.metaType() != listed.value(key).metaType() || back != listed.value(key)) {
                undecodable.insert(key);
            }
            QFile::remove(written);
            QFile::remove(reread);
        }
    }
    QFile::remove(copy);

    std::map<QString, Reading> before;
    {
        // Read first and then written, as the application does with its settings.
        Defaults defaults(path);
        for (const auto& key : keys) {
            before[key] = read(defaults, key);
        }
        // The file is writable: the writes must reach the disk, whatever the file held.
        defaults.setBool(filterOnKey, false);
        fuzz::require(defaults.flush(), "a write to a writable file reported failure");
        defaults.setString(presetKey, QStringLiteral("precision"));
        defaults.setJson(personalKey, personal);
        fuzz::require(defaults.flush(), "later writes to a writable file reported failure");
    }
    Defaults defaults(path);
    fuzz::require(defaults.boolean(filterOnKey) == false && defaults.string(presetKey) == u"precision"
                      && defaults.json(personalKey) == personal,
                  "a written setting does not read back");
    for (const auto& [key, reading] : before) {
        // The application's keys have no "/". A grouped key that a hand-made file puts in the general section, or a
        // key spelled with slashes around it, is found only once the file has been written anew (QSettings looks
        // for it in its group's section); the settings read the file as written, as the next launch does. A value
        // that QSettings does not read back as it wrote it is left out too.
        if (!isWritten(key) && key == normalized(key) && !key.contains(u'/') && !undecodable.contains(key)) {
            fuzz::require(read(defaults, key) == reading,
                          "writing a setting changed the key \"" + key.toStdString() + "\"");
        }
    }
    QFile::remove(path);
    return 0;
}
