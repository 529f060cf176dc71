#include "app/ConsolePrompts.h"

#include "app/TextConversion.h"

#include <QString>

#include <cstdio>

namespace solvo {

void ConsolePrompts::ShowMessage(std::string_view text, PromptIcon)
{
    WriteLine(ToQString(text));
}

PromptAnswer ConsolePrompts::Ask(std::string_view, PromptButtons, PromptIcon)
{
    return PromptAnswer::No;
}

std::optional<std::string> ConsolePrompts::RunPasswordDialog(PasswordDialogMode, std::string_view)
{
    return std::nullopt;
}

void ConsolePrompts::WriteLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fputs(line.toLocal8Bit().append('\n').constData(), stderr);
}

} // namespace solvo
