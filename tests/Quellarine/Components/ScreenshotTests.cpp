#include "Screenshots.h"

#include "Quellarine/Pages/Welcome/AppTitle.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Pages/Research/CountUp.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Pages/Research/Pill.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/Style/Images.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/SectionTint.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;
using Shortcut = GlobalHotKey::Shortcut;

QLabel* bodyText(const QString& text, bool secondary = false)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setFont(Typography::font(Typography::TextStyle::body));
    if (secondary) {
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    return label;
}

QWidget* column(std::initializer_list<QWidget*> widgets, int spacing = 14)
{
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (QWidget* child : widgets) {
        layout->addWidget(child);
    }
    return widget;
}

QWidget* row(std::initializer_list<QWidget*> widgets, int spacing = 10)
{
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (QWidget* child : widgets) {
        layout->addWidget(child);
    }
    layout->addStretch(1);
    return widget;
}

// Every symbol of the table in the accent colour with its name, to judge the icons side by side.
class SymbolSheet : public QWidget {
public:
    SymbolSheet()
    {
        const auto count = static_cast<int>(Symbols::names().size());
        setFixedSize(columns * cell.width(), (count + columns - 1) / columns * cell.height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(Typography::font(Typography::TextStyle::caption));
        const QStringList names = Symbols::names();
        for (int index = 0; index < names.size(); ++index) {
            const QRect box(index % columns * cell.width(), index / columns * cell.height(), cell.width(),
                            cell.height());
            Symbols::paint(painter, QRectF(box.center().x() - 12, box.top() + 8, 24, 24), names[index],
                           Brand::accent.resolve(*this));
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(box.adjusted(2, 38, -2, 0), Qt::AlignHCenter | Qt::AlignTop,
                             painter.fontMetrics().elidedText(names[index], Qt::ElideMiddle, box.width() - 4));
        }
    }

private:
    static constexpr int columns = 5;
    static constexpr QSize cell{150, 72};
};

// The section icon tiles as a sidebar would show them: each symbol in white on its tint's gradient.
class SectionTiles : public QWidget {
public:
    SectionTiles() { setFixedSize(260, static_cast<int>(MainSection::allCases().size()) * 40); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(Typography::font(Typography::TextStyle::body));
        int y = 0;
        for (MainSection section : MainSection::allCases()) {
            const QRectF tile(0, y + 5, 30, 30);
            const QColor tint = quellarine::tint(section).resolve(*this);
            QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
            gradient.setColorAt(0, tint.lighter(115));
            gradient.setColorAt(1, tint);
            QPainterPath path;
            path.addRoundedRect(tile, 8, 8);
            painter.fillPath(path, gradient);
            Symbols::paint(painter, tile.adjusted(7, 7, -7, -7), section.symbol(), Qt::white, Symbols::Weight::bold);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRectF(42, y, 220, 40), Qt::AlignVCenter, section.title());
            y += 40;
        }
    }
};

// The application's own images at the sizes they are used at.
class ImageSheet : public QWidget {
public:
    ImageSheet() { setFixedSize(420, 140); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Images::paint(painter, QRectF(0, 0, 128, 128), QStringLiteral("AppIconImage"));
        Images::paint(painter, QRectF(140, 32, 64, 64), QStringLiteral("AppIconImage"));
        Images::paint(painter, QRectF(216, 48, 32, 32), QStringLiteral("AppIconImage"));
        Images::paint(painter, QRectF(260, 32, 64, 64), QStringLiteral("LogoMark"));
        // The menu-bar images are templates: drawn in the foreground colour of the bar they sit in.
        for (const auto& [name, x] :
             {std::pair{QStringLiteral("MenuBarOn"), 340}, {QStringLiteral("MenuBarOff"), 380}}) {
            QPixmap image = Images::pixmap(name, QSizeF(22, 22), painter.device()->devicePixelRatioF());
            QPainter tint(&image);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(image.rect(), palette().color(QPalette::WindowText));
            tint.end();
            painter.drawPixmap(QPointF(x, 53), image);
        }
    }
};

void expectWritten(const QStringList& paths)
{
    ASSERT_EQ(paths.size(), 2);
    for (const QString& path : paths) {
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    }
}

TEST(ScreenshotsTest, Cards)
{
    auto* neutral = new Card(bodyText(QStringLiteral("Quellarine steadies the pointer in every app.")));
    auto* warm = new Card(bodyText(QStringLiteral("If the pointer is ever hard to use, press Ctrl 5 times in a "
                                                  "row: Quellarine turns off at once.")),
                          Brand::warm);
    auto* accent = new Card(bodyText(QStringLiteral("Smoothing is on.")), Brand::accent);
    expectWritten(Screenshots::capture(QStringLiteral("card"), column({neutral, warm, accent}), 480));
}

TEST(ScreenshotsTest, Notices)
{
    auto* ok = new Notice(QStringLiteral("Settings applied."), true);
    auto* warning
        = new Notice(QStringLiteral("Ctrl + Alt + S is used by another app, so it can't turn Quellarine on "
                                    "or off. Quit that app or change its shortcut, then start Quellarine again."),
                     false);
    expectWritten(Screenshots::capture(QStringLiteral("notice"), column({ok, warning}, 10), 440));
}

TEST(ScreenshotsTest, AppTitle)
{
    auto* subtitle = bodyText(QStringLiteral("Quellarine smooths out shaking in the pointer and ignores accidental "
                                             "clicks, in every app."),
                              true);
    expectWritten(Screenshots::capture(QStringLiteral("app-title"),
                                       new AppTitle(QStringLiteral("Welcome to Quellarine"), subtitle), 480));
}

TEST(ScreenshotsTest, Pills)
{
    auto* pills = row(
        {new Pill(QStringLiteral("AI-assisted"), QStringLiteral("sparkles"), Brand::accent),
         new Pill(QStringLiteral("Why it works"), QStringLiteral("text.book.closed"), tint(MainSection::research)),
         new Pill(QStringLiteral("Taken"), QStringLiteral("exclamationmark.triangle"), Brand::warm)},
        8);
    expectWritten(Screenshots::capture(QStringLiteral("pill"), pills, 420));
}

TEST(ScreenshotsTest, KeyCaps)
{
    auto* caps = column({new KeyCaps(Shortcut::defaultToggle()), new KeyCaps(Shortcut::previousMode()),
                         new KeyCaps(Shortcut::nextMode(), 0.8), new SmallKeyCaps(Shortcut::defaultToggle()),
                         new SmallKeyCaps(Shortcut::previousMode())},
                        16);
    expectWritten(Screenshots::capture(QStringLiteral("key-caps"), caps));
}

TEST(ScreenshotsTest, PageTitle)
{
    expectWritten(Screenshots::capture(QStringLiteral("page-title"),
                                       new PageTitle(QStringLiteral("Help"),
                                                     QStringLiteral("How Quellarine works, what to do when something "
                                                                    "doesn't, and how to reach us.")),
                                       520));
}

TEST(ScreenshotsTest, CountUpAndReveal)
{
    auto* number = new CountUp(38, 0.1, [](double value) { return QStringLiteral("%1 %").arg(std::lround(value)); });
    number->setFont(Typography::system(28, QFont::Bold, Typography::Design::rounded));
    auto* revealed = new Card(column({bodyText(QStringLiteral("Less shake with the suggested preset")), number}, 4));
    Reveal::apply(*revealed, 0.08);
    expectWritten(Screenshots::capture(QStringLiteral("count-up"), column({revealed}), 400));
}

TEST(ScreenshotsTest, SymbolsAndSections)
{
    expectWritten(Screenshots::capture(QStringLiteral("symbols"), new SymbolSheet));
    expectWritten(Screenshots::capture(QStringLiteral("sections"), new SectionTiles));
    expectWritten(Screenshots::capture(QStringLiteral("images"), new ImageSheet));
}

TEST(ScreenshotsTest, OtherScriptsAndRightToLeft)
{
    auto* arabic
        = column({new Notice(QStringLiteral("يعمل Quellarine الآن على تثبيت المؤشر."), true),
                  new Pill(QStringLiteral("بمساعدة الذكاء الاصطناعي"), QStringLiteral("sparkles"), Brand::accent),
                  new KeyCaps(Shortcut::defaultToggle(), 0.8), new SmallKeyCaps(Shortcut::previousMode())},
                 12);
    arabic->setLayoutDirection(Qt::RightToLeft);
    auto* others = column({new Notice(QStringLiteral("Quellarine 现在可以稳定指针。"), true),
                           new Notice(QStringLiteral("Quellarine এখন পয়েন্টার স্থির রাখতে পারে।"), true),
                           new Notice(QStringLiteral("Quellarine अब पॉइंटर को स्थिर रख सकता है।"), true),
                           new Notice(QStringLiteral("Quellarine теперь удерживает указатель ровно."), true), arabic},
                          12);
    expectWritten(Screenshots::capture(QStringLiteral("scripts"), others, 480));
}

TEST(ScreenshotsTest, Gallery)
{
    auto* subtitle = bodyText(QStringLiteral("Quellarine smooths out shaking in the pointer and ignores accidental "
                                             "clicks, in every app."),
                              true);
    auto* shortcutsText = new QWidget;
    auto* shortcutsLayout = new QVBoxLayout(shortcutsText);
    shortcutsLayout->setContentsMargins(0, 0, 0, 0);
    shortcutsLayout->setSpacing(8);
    auto* heading = new Pill(QStringLiteral("Shortcuts"), QStringLiteral("keyboard"), Brand::accent);
    shortcutsLayout->addWidget(heading);
    auto* switchRow = row({new KeyCaps(Shortcut::nextMode(), 0.8), bodyText(QStringLiteral("switch modes"))});
    shortcutsLayout->addWidget(switchRow);
    shortcutsLayout->addWidget(bodyText(QStringLiteral("Direct (no smoothing), then each preset in turn. Hold Shift "
                                                       "as well to go back."),
                                        true));
    auto* page
        = column({new AppTitle(QStringLiteral("Welcome to Quellarine"), subtitle),
                  new Notice(QStringLiteral("Quellarine can now steady the pointer."), true), new Card(shortcutsText),
                  new Card(bodyText(QStringLiteral("If the pointer is ever hard to use, press Ctrl 5 times "
                                                   "in a row: Quellarine turns off at once.")),
                           Brand::warm)},
                 18);
    expectWritten(Screenshots::capture(QStringLiteral("gallery"), page, 520));
}

} // namespace
} // namespace quellarine
