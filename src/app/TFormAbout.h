#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

// The about box "О программе": the program's emblem, three centred lines, the project's page and
// mail address as links, and "OK".
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr auto ProjectPage = "https://lektavo.org";
    static constexpr auto ProjectMail = "lektavo@lektavo.org";
    static constexpr QRgb VisitedLink = 0x800080;  // purple

    explicit TFormAbout(QWidget *parent = nullptr);

    void Label1Click();
    void Label2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CentreOnOwner();
    QLabel *NewLink(const char *name, const QString &text);
    void Visit(QLabel *label, const QString &url);

    QTextEdit *Memo1;
    QLabel *Label1, *Label2;
    QPushButton *Button1;
};
