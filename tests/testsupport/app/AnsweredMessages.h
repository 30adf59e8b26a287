#pragma once
#include <QStringList>
#include <functional>
#include <utility>

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

// While it lives, a dialog's hook gives the test's answer; afterwards the hook it replaced is back.
template <typename Hook>
class Answering {
public:
    Answering(Hook &hook, Hook answer) : hook(hook), replaced(std::exchange(hook, std::move(answer))) {}
    ~Answering() { hook = std::move(replaced); }
    Answering(const Answering &) = delete;
    Answering &operator=(const Answering &) = delete;

private:
    Hook &hook;
    Hook replaced;
};
