#pragma once

#include "solution/SolvoDocument.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <functional>

namespace solvo {

/// A child window of the main window that shows one view of a solution.
/// Closing the last window of a solution closes the solution, which may ask
/// to save it first; the close guard decides.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    enum class Kind {
        CompositionWindow, ///< the form of the solution; fixed size, titled with the document
        RecipeWindow,      ///< the recipe page; sizable, titled "<document> - recipe"
    };

    CChildFrame(Kind kind, SolvoDocument& document, QWidget* view);

    Kind FrameKind() const { return kind_; }
    SolvoDocument* Document() const { return document_; }

    /// Decides whether the frame may close (it may ask to save the solution).
    std::function<bool(CChildFrame&)> closeGuard;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FollowTitle();

    Kind kind_;
    QPointer<SolvoDocument> document_;
};

} // namespace solvo
