#pragma once

#include <QStringList>

#include <string>

class QMimeData;

namespace solvo {

/// Rich text on the clipboard under every name by which word processors
/// of this platform look for it.
class RichTextMime {
public:
    /// The format names, the platform's usual one first.
    static QStringList Formats();

    /// Adds document, a complete rich-text document, to data under each name.
    static void Add(QMimeData& data, const std::string& document);
};

} // namespace solvo
