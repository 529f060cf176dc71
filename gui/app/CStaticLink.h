#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace solvo {

/// A text label that behaves as a hyperlink: underlined, blue until a click
/// has opened its target and purple after, with the hand cursor. It takes the
/// keyboard focus, and Space or Enter opens it as a click does.
class CStaticLink : public QLabel {
    Q_OBJECT

public:
    /// Opens a target; false when it could not be opened.
    using Opener = std::function<bool(const QUrl&)>;

    static constexpr QRgb kUnvisitedColour = qRgb(0, 0, 255);
    static constexpr QRgb kVisitedColour = qRgb(128, 0, 128);

    explicit CStaticLink(const QString& text, QWidget* parent = nullptr);

    /// What a click opens; while it is empty, the label's own text.
    void SetTarget(const QUrl& target) { target_ = target; }
    const QUrl& Target() const { return target_; }

    /// Targets are opened by the desktop's handlers (QDesktopServices) unless
    /// another opener is given.
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

    /// Whether a click has opened the target; it lasts as long as the label.
    bool Visited() const { return visited_; }

    /// Opens the target. When it cannot be opened, the user hears a beep and
    /// the link stays as it was.
    void Open();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateColour();

    QUrl target_;
    Opener opener_;
    bool visited_ = false;
};

} // namespace solvo
