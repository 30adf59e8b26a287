#include "app/TFormAbout.h"
#include "app/Accessibility.h"
#include "app/Handlers.h"
#include "LektavoVersion.h"
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

namespace {

constexpr QColor Grey(174, 174, 174);
constexpr QColor Navy(0, 0, 128);

} // namespace

TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName("FormAbout");
    setWindowTitle(QStringLiteral("Lektavo " LEKTAVO_VERSION));
    setFixedSize(518, 194);
    setWindowModality(Qt::ApplicationModal);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(23);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Grey);
    palette.setColor(QPalette::Base, Grey);
    setPalette(palette);
    setAutoFillBackground(true);

    auto *panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *emblem = new QLabel(panel);
    emblem->setObjectName("Image1");
    emblem->setPixmap(QApplication::windowIcon().pixmap(47, 45));
    emblem->setFixedSize(47, 45);
    emblem->setScaledContents(true);
    emblem->setAccessibleName(QStringLiteral("Lektavo"));
    Memo1 = new QTextEdit(panel);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral("Программа Lektavo\nнаписана \nразработчиками проекта Lektavo"));
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat format = cursor.blockFormat();
        format.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(format);
    }
    Memo1->setAccessibleName(Memo1->toPlainText());
    Memo1->installEventFilter(this);
    Label1 = NewLink("Label1", QString::fromLatin1(ProjectPage));
    Label2 = NewLink("Label2", QString::fromLatin1(ProjectMail));
    Button1 = new QPushButton(QStringLiteral("OK"), panel);
    Button1->setObjectName("Button1");
    Button1->setAccessibleName(Button1->text());
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(panel);
    grid->addWidget(emblem, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(Memo1, 0, 1, 1, 2);
    auto *links = new QVBoxLayout;
    links->addWidget(Label1);
    links->addWidget(Label2);
    grid->addLayout(links, 1, 0, 1, 2, Qt::AlignBottom | Qt::AlignLeft);
    grid->addWidget(Button1, 1, 2, Qt::AlignBottom | Qt::AlignRight);
    (new QVBoxLayout(this))->addWidget(panel);

    CentreOnOwner();
}

// Over the main window, or the middle of its screen while the window is not shown: the primary
// screen's middle may lie on another monitor.
void TFormAbout::CentreOnOwner()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner && owner->isVisible())
        move(owner->frameGeometry().center() - rect().center());
    else if (const QScreen *screen = owner ? owner->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// Parts of the link text are not links of their own: the whole label is clicked.
QLabel *TFormAbout::NewLink(const char *name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    label->setAccessibleName(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Navy);
    label->setPalette(palette);
    label->installEventFilter(this);
    return label;
}

void TFormAbout::Label1Click()
{
    Visit(Label1, QString::fromLatin1(ProjectPage));
}

void TFormAbout::Label2Click()
{
    Visit(Label2, QStringLiteral("mailto:") + QString::fromLatin1(ProjectMail));
}

// A program that cannot open the address leaves no message.
void TFormAbout::Visit(QLabel *label, const QString &url)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(VisitedLink));
    label->setPalette(palette);
    QDesktopServices::openUrl(QUrl(url));
}

// The three lines never keep the focus: it goes on to "OK".
bool TFormAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1 && event->type() == QEvent::FocusIn)
        Button1->setFocus(Qt::OtherFocusReason);
    else if (event->type() == QEvent::MouseButtonRelease && (watched == Label1 || watched == Label2))
        Guarded("the about box's link", [&] { watched == Label1 ? Label1Click() : Label2Click(); });
    return QDialog::eventFilter(watched, event);
}
