#pragma once

#include "platform/FilePath.h"

namespace solvo {

class CSolvoDoc;
class DatabasePrompts;

/// Before document is saved at path: when path is the file the document was
/// read from or last saved to, and someone else has changed (or removed)
/// that file since, asks whether to overwrite it, naming the file. Returns
/// whether the save may go on; a file saved under a new name is the file
/// dialog's business and asks nothing here.
bool MayOverwriteSolutionFile(const CSolvoDoc& document, const FilePath& path,
                              DatabasePrompts& prompts);

} // namespace solvo
