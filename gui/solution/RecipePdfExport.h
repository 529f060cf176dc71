#pragma once

#include <QString>

namespace solvo {

/// solvo --export-pdf OUT.pdf FILE.sln: the printed recipe of a solution
/// file written as a PDF, without a window.
class RecipePdfExport {
public:
    static constexpr int kSucceeded = 0;
    static constexpr int kFailed = 2;

    /// Loads the settings, the program database and the unit labels as
    /// start-up does, but tells every message on standard error (and
    /// answers every question No); reads solutionFile and writes its printed
    /// recipe, footer included, as a one-page PDF at pdfFile. Returns
    /// kSucceeded, or kFailed after the program's message, preceded by the
    /// file it is about, on standard error: for a solution file that does
    /// not open, is of an unknown version, or a PDF that cannot be written.
    static int Run(const QString& pdfFile, const QString& solutionFile);
};

} // namespace solvo
