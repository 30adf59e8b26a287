#pragma once
#include <QStringList>
#include <functional>

// While it lives, the program's message boxes are answered at once and their texts collected.
// Outside it, a message box fails the running test with its text (TestProgram.cpp).
class AnsweredMessages {
public:
    AnsweredMessages();
    ~AnsweredMessages();
    AnsweredMessages(const AnsweredMessages &) = delete;
    AnsweredMessages &operator=(const AnsweredMessages &) = delete;

    QStringList Texts;

private:
    std::function<void(const QString &)> unanswered;
};
