#include "AnsweredMessages.h"
#include "app/Dialogs.h"

AnsweredMessages::AnsweredMessages() : unanswered(std::move(Dialogs::MessageHook))
{
    Dialogs::MessageHook = [this](const QString &text) { Texts << text; };
}

AnsweredMessages::~AnsweredMessages()
{
    Dialogs::MessageHook = std::move(unanswered);
}
