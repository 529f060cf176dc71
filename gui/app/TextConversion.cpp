#include "app/TextConversion.h"

#include "platform/Windows1252.h"

namespace solvo {

QString ToQString(std::string_view programText)
{
    return QString::fromStdString(Windows1252::ToUtf8(programText));
}

std::optional<std::string> ToProgramText(const QString& text)
{
    return Windows1252::FromUtf8(text.toStdString());
}

std::string SystemReasonText(const std::string& reason)
{
    return Windows1252::FromUtf8Replacing(QString::fromLocal8Bit(reason).toStdString()) + '.';
}

} // namespace solvo
