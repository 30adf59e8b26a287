#include "SpeedReaderPage.h"
#include "Accessibility.h"
#include "DoubleClickFrame.h"
#include "GroupDisplay.h"
#include "Handlers.h"
#include "ShowQuietly.h"
#include "SpeedReaderSettingsPage.h"
#include "speedreader/SpeedReaderController.h"
#include "speedreader/WordsPerMinute.h"
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton *Button(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    parent->layout()->addWidget(button);
    return button;
}

// A captioned number field of the bar: the panel with its caption, the spin box and its edit.
QSpinBox *NumberPanel(DoubleClickFrame *&panel, const char *panelName, const char *spinName,
                      const char *editName, const QString &caption, const QString &hint,
                      QWidget *bar)
{
    panel = new DoubleClickFrame(panelName, bar);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(hint);
    panel->setAccessibleName(caption.trimmed());
    auto *spin = new QSpinBox(panel);
    spin->setObjectName(spinName);
    spin->setKeyboardTracking(false);
    spin->setToolTip(hint);
    spin->findChild<QLineEdit *>()->setObjectName(editName);
    auto *label = new QLabel(caption, panel);
    NameAfterLabel(spin, label);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(spin);
    layout->addWidget(label);
    bar->layout()->addWidget(panel);
    return spin;
}

// The words of the context as links by their index, the group's own in bold; the links take the
// label's colours (SetDisplayFont).
QString ContextText(const ReadingContext &context)
{
    QStringList words;
    for (int i = 0; i < context.words.size(); ++i) {
        const ReadingContext::Word &word = context.words[i];
        const QString text = word.text.toHtmlEscaped();
        words << QStringLiteral("<a href=\"%1\" style=\"text-decoration: none\">%2</a>")
                     .arg(i)
                     .arg(word.inGroup ? QStringLiteral("<b>%1</b>").arg(text) : text);
    }
    return words.join(QLatin1Char(' '));
}

QTabWidget *TabControlOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            return tabs;
    return nullptr;
}

} // namespace

SpeedReaderPage::SpeedReaderPage(QWidget *pnSrBase, SpeedReaderSettingsPage &settingsPage)
    : PnSrBase(pnSrBase), settingsPage(settingsPage)
{
    PnTopButtons = new QWidget(pnSrBase);
    PnTopButtons->setObjectName("PnTopButtons");
    PnTopButtons->setMinimumHeight(36);  // taller only when a large font needs it
    PnTopButtons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *bar = new QHBoxLayout(PnTopButtons);
    bar->setContentsMargins(4, 2, 4, 2);
    BtStart = Button("BtStart", QStringLiteral("Старт"), PnTopButtons);
    BtStop = Button("BtStop", QStringLiteral("Стоп"), PnTopButtons);
    BtStop->hide();
    UdDelay = NumberPanel(PnDelay, "PnDelay", "UdDelay", "EdDelay", QStringLiteral(" Задержка"),
                          QStringLiteral("+/- Задержка -> 200"), PnTopButtons);
    UdDelay->setRange(SpeedReaderSettings::MinDelay, SpeedReaderSettings::MaxDelay);
    UdWordsPerMinute = NumberPanel(PnWordsPerMinute, "PnWordsPerMinute", "UdWordsPerMinute",
                                   "EdWordsPerMinute", QStringLiteral(" Слов в минуту"), QString(),
                                   PnTopButtons);
    UdWordsPerMinute->setRange(WordsPerMinute::Min, WordsPerMinute::Max);
    UdWordsPerMinute->setSingleStep(WordsPerMinute::Step);
    PnWordsPerMinute->hide();
    UdLength = NumberPanel(PnLength, "PnLength", "UdLength", "EdLength", QStringLiteral(" Длина"),
                           QStringLiteral("Длина -> 1"), PnTopButtons);
    UdLength->setRange(SpeedReaderSettings::MinLength, SpeedReaderSettings::MaxLength);
    UdWritten = NumberPanel(PnWritten, "PnWritten", "UdWritten", "EdWritten",
                            QStringLiteral(" Прочитано"), QStringLiteral("Прочитано  -> 0"),
                            PnTopButtons);
    UdWritten->setRange(0, SpeedReaderSettings::MaxWritten);
    UdWritten->setWrapping(true);
    bar->addStretch();

    PnSR = new GroupDisplay(pnSrBase);
    LbWords = PnSR->LbWords;
    LbSymbols = PnSR->LbSymbols;
    measurer.emplace(PnSR);
    LbContext = new QLabel(pnSrBase);
    LbContext->setObjectName("LbContext");
    LbContext->setWordWrap(true);
    LbContext->setAlignment(Qt::AlignCenter);
    LbContext->setTextFormat(Qt::RichText);
    LbContext->setContentsMargins(8, 4, 8, 8);
    LbContext->hide();

    auto *layout = new QVBoxLayout(pnSrBase);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PnTopButtons);
    layout->addWidget(PnSR, 1);
    layout->addWidget(LbContext);
}

void SpeedReaderPage::Attach(SpeedReaderController &c)
{
    using C = SpeedReaderController;
    OnSignal(BtStart, &QPushButton::clicked, &connections, "BtStartClick", [&c] { c.BtStartClick(); });
    OnSignal(BtStop, &QPushButton::clicked, &connections, "BtStopClick", [&c] { c.BtStopClick(); });
    const auto onValue = [&](QSpinBox *spin, const char *what, void (C::*handler)(int)) {
        OnSignal(spin, &QSpinBox::valueChanged, &connections, what, [&c, handler](int value) { (c.*handler)(value); });
    };
    onValue(UdDelay, "UdDelayClick", &C::UdDelayClick);
    onValue(UdWordsPerMinute, "UdWordsPerMinuteClick", &C::UdWordsPerMinuteClick);
    onValue(UdLength, "UdLengthClick", &C::UdLengthClick);
    onValue(UdWritten, "UdWrittenClick", &C::UdWrittenClick);
    OnSignal(LbContext, &QLabel::linkActivated, &connections, "ContextWordClicked",
             [&c](const QString &index) { c.ContextWordClicked(index.toInt()); });
    PnSR->OnDoubleClick = [&c] { c.PnSRDblClick(); };
    PnDelay->OnDoubleClick = [&c] { c.PnDelayDblClick(); };
    PnLength->OnDoubleClick = [&c] { c.PnLengthDblClick(); };
    PnWritten->OnDoubleClick = [&c] { c.PnWrittenDblClick(); };
    ShowSettings(c.Settings());
    ShowIndicators(c.Settings().IndicatorsShown);
}

// The context under the display is written in the display's colour, on its background.
void SpeedReaderPage::SetDisplayFont(const QFont &font, const QColor &colour)
{
    PnSR->SetFontAndColour(font, colour);
    QPalette palette = LbContext->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Link, colour);
    LbContext->setPalette(palette);
}

void SpeedReaderPage::ShowWordsPerMinute(bool shown)
{
    PnWordsPerMinute->setVisible(shown);
}

void SpeedReaderPage::ShowContext(const ReadingContext &context)
{
    LbContext->setText(ContextText(context));
    LbContext->setVisible(!context.IsEmpty());
}

void SpeedReaderPage::ShowGroup(const QString &group)
{
    PnSR->SetGroup(group);
}

void SpeedReaderPage::ShowRunning(bool running)
{
    BtStop->setVisible(running);
    BtStart->setVisible(!running);
}

void SpeedReaderPage::ShowRates(const QString &words, const QString &symbols)
{
    PnSR->SetRates(words, symbols);
}

void SpeedReaderPage::ShowStartEnabled(bool enabled)
{
    BtStart->setEnabled(enabled);
}

void SpeedReaderPage::ShowIndicators(bool shown)
{
    LbWords->setVisible(shown);
    LbSymbols->setVisible(shown);
}

void SpeedReaderPage::ShowClock(const QString &text)
{
    settingsPage.ShowClock(text);
}

void SpeedReaderPage::ShowSettings(const SpeedReaderSettings &settings)
{
    ShowQuietly(UdDelay, &QSpinBox::setValue, settings.Delay);
    UdDelay->setSingleStep(settings.DelayStep);
    ShowQuietly(UdWordsPerMinute, &QSpinBox::setValue,
                WordsPerMinute::ForDelay(settings.Delay, UdWordsPerMinute->value()));
    ShowQuietly(UdLength, &QSpinBox::setValue, settings.Length);
    ShowQuietly(UdWritten, &QSpinBox::setValue, settings.Written);
    settingsPage.ShowSettings(settings);
}

void SpeedReaderPage::FocusTabControl()
{
    if (QTabWidget *tabs = TabControlOf(PnSrBase))
        tabs->setFocus();
}

int SpeedReaderPage::DisplayWidth() const
{
    return PnSR->contentsRect().width();
}

bool SpeedReaderPage::SpeedReaderTabShown() const
{
    QTabWidget *tabs = TabControlOf(PnSrBase);
    if (!tabs)
        return PnSrBase->isVisible();
    const QWidget *current = tabs->currentWidget();
    return current && (current == PnSrBase || current->isAncestorOf(PnSrBase));
}

bool SpeedReaderPage::ApplicationActive() const
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}
