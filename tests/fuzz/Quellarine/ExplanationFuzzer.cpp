// The saved explanation of a calibration result, as stored in the settings: what reads survives a round trip,
// texts included, and the store reads it back from the settings file unchanged.

#include "FuzzCheck.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Model/ExplainStore.h"

#include <QFile>
#include <QTemporaryDir>

using namespace quellarine;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // QSettings keeps each file it parsed in a cache that outlives the input: no leak check after each input.
    fuzz::addFlag(argc, argv, "-detect_leaks=0");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto explanation = fuzz::decode<ExplainStore::Explanation>(*json);
    if (!explanation) {
        return 0;
    }
    fuzz::requireRoundTrip(*explanation);

    static QTemporaryDir directory;
    static int run = 0;
    // A new name for each input: QSettings caches what it parsed per file.
    const QString path = directory.filePath(QStringLiteral("settings-%1.ini").arg(run++));
    {
        Defaults defaults(path);
        defaults.setData(QString::fromLatin1(ExplainStore::savedKey), QByteArray::fromStdString(json->dump()));
        ExplainStore store(defaults);
        fuzz::require(store.saved() == explanation, "the store reads a saved explanation differently");
    }
    {
        Defaults defaults(path);
        ExplainStore store(defaults);
        fuzz::require(store.saved() == explanation, "the store wrote a saved explanation back differently");
    }
    QFile::remove(path);
    return 0;
}
