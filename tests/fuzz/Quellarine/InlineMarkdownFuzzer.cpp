// The inline Markdown of release notes, alone and as the loader makes it from HTML: the runs are never empty,
// neighbours always differ in their formatting, their text is what plainText() gives, and every link is a
// checked https address.

#include "FuzzCheck.h"

#include "Quellarine/Pages/WhatsNew/InlineMarkdown.h"

#include "QuellarineKit/Research/ReleaseNotes.h"
#include "QuellarineKit/Support/WebAddress.h"

#include <QUrl>

#include <string_view>

using namespace quellarine;

namespace {

void requireWellFormed(const QString& markdown)
{
    const auto runs = InlineMarkdown::runs(markdown);
    QString joined;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const auto& run = runs[i];
        fuzz::require(!run.text.isEmpty(), "an empty run");
        if (i > 0) {
            const auto& previous = runs[i - 1];
            fuzz::require(previous.bold != run.bold || previous.code != run.code || previous.link != run.link,
                          "two neighbouring runs share their formatting");
        }
        if (!run.link.isEmpty()) {
            fuzz::require(WebAddress::parse(run.link.toStdString()).has_value(), "a link is not a checked address");
            const QUrl url(run.link, QUrl::StrictMode);
            fuzz::require(url.isValid() && url.scheme() == u"https" && !url.host().isEmpty(),
                          "a link does not open as an https address");
        }
        joined += run.text;
    }
    fuzz::require(joined == InlineMarkdown::plainText(runs), "the plain text is not the runs' text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    requireWellFormed(QString::fromUtf8(input.data(), static_cast<qsizetype>(input.size())));
    requireWellFormed(QString::fromStdString(ReleaseNotes::inlineMarkdown(input)));
    return 0;
}
