#include "app/RichTextMime.h"

#include <QByteArray>
#include <QMimeData>

namespace solvo {

QStringList RichTextMime::Formats()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("application/x-qt-windows-mime;value=\"Rich Text Format\"")};
#else
    // Programs here differ in the name they ask for.
    return {QStringLiteral("text/rtf"), QStringLiteral("text/richtext"),
            QStringLiteral("application/rtf")};
#endif
}

void RichTextMime::Add(QMimeData& data, const std::string& document)
{
    // Rich text is 8-bit, in the code page that its \ansi names.
    const QByteArray bytes = QByteArray::fromStdString(document);
    for (const QString& format : Formats())
        data.setData(format, bytes);
}

} // namespace solvo
