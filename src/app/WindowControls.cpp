#include "app/WindowControls.h"
#include "app/Accessibility.h"
#include "platform/qt/QtTimer.h"
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QWidget *NamedPanel(const char *name, QWidget *parent = nullptr)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

// A tab holding one panel over its whole area.
QWidget *TabWithPanel(const char *tabName, const char *panelName, QWidget *&panel)
{
    QWidget *tab = NamedPanel(tabName);
    panel = NamedPanel(panelName, tab);
    (new QVBoxLayout(tab))->addWidget(panel);
    return tab;
}

QPlainTextEdit *NamedTextArea(const char *name, QWidget *parent)
{
    auto *area = new QPlainTextEdit(parent);
    area->setObjectName(name);
    NameAfterComponent(area);
    return area;
}

QWidget *BuildReadingTab(WindowControls &c)
{
    auto *tab = NamedPanel("TsRe");
    c.PnRe = NamedPanel("PnRe", tab);
    c.PnReTop = NamedPanel("PnReTop", c.PnRe);
    c.PnReTop->setMinimumHeight(31);  // taller only when a large font needs it
    c.PnReTop->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    new QHBoxLayout(c.PnReTop);
    c.PnReTop->layout()->setContentsMargins(2, 2, 2, 2);

    c.Re1 = NamedTextArea("Re1", c.PnRe);
    c.Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.Re2 = NamedTextArea("Re2", c.PnRe);
    c.Re2->hide();

    auto *layout = new QVBoxLayout(c.PnRe);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(c.PnReTop);
    layout->addWidget(c.Re1, 1);
    (new QVBoxLayout(tab))->addWidget(c.PnRe);
    return tab;
}

} // namespace

WindowControls BuildWindowControls()
{
    WindowControls c{};
    c.PnForm = NamedPanel("PnForm");
    QWidget *PnPageControl = NamedPanel("PnPageControl", c.PnForm);
    c.PageControl1 = new QTabWidget(PnPageControl);
    c.PageControl1->setObjectName("PageControl1");
    c.PageControl1->setTabPosition(QTabWidget::South);
    c.PageControl1->tabBar()->setStyleSheet("QTabBar::tab { min-width: 130px; min-height: 30px; }");

    c.TsRe = BuildReadingTab(c);
    c.TsSr = TabWithPanel("TsSr", "PnSrBase", c.PnSrBase);
    c.TsSettings = TabWithPanel("TsSettings", "PnSettings", c.PnSettings);
    c.TsSound = NamedPanel("TsSound");
    c.PageControl1->addTab(c.TsRe, QStringLiteral("Говорилка"));
    c.PageControl1->addTab(c.TsSr, QStringLiteral("Быстрочиталка"));
    c.PageControl1->addTab(c.TsSettings, QStringLiteral("Настройки"));
    c.PageControl1->addTab(c.TsSound, QStringLiteral("Звук"));

    auto *pageLayout = new QVBoxLayout(PnPageControl);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(c.PageControl1);
    auto *formLayout = new QVBoxLayout(c.PnForm);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(PnPageControl);
    return c;
}

void FitTabs(const WindowControls &c)
{
    for (QWidget *tab : {c.TsRe, c.TsSr, c.TsSettings, c.TsSound})
        tab->layout()->setContentsMargins(0, 0, 0, 0);
}

std::unique_ptr<Timer> NamedTimer(const char *name)
{
    auto timer = std::make_unique<QtTimer>();
    timer->setObjectName(name);
    return timer;
}
