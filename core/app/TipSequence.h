#pragma once

#include "app/ProgramSettings.h"

#include <cstdint>
#include <functional>

namespace solvo {

/// The state of the tip-of-the-day dialog: which of the N tips is on the
/// screen, the step to the next one, and the "Show tips at startup" box.
///
/// Successive tips are start, start + increment, start + 2 × increment, …
/// modulo N, with an increment that shares no factor with N, so every tip
/// comes once in N showings; each user's start and increment are chosen at
/// random, so users do not all see the same tips first. The order goes on
/// across openings: the settings hold the tip that the next opening shows
/// (CurrentTip) and the increment (TipIncrement).
///
/// The settings are read on construction and written only at these moments:
/// TipIncrement when the stored order had to be replaced, CurrentTip when the
/// dialog is first on the screen and on "Next tip", ShowTipOfTheDay when the
/// check box is clicked.
class TipSequence {
public:
    /// A source of pseudo-random numbers.
    using Random = std::function<std::uint32_t()>;

    /// Opens the sequence over count tips (count ≥ 1): reads ShowTipOfTheDay,
    /// CurrentTip and TipIncrement. When the increment is 0 or less or shares
    /// a factor with count, or the current tip is not an index of the list,
    /// the start becomes random() mod count and the increment is drawn as
    /// random() mod (count − 1) + 1 until it shares no factor with count, and
    /// TipIncrement is written.
    TipSequence(ProgramSettings& settings, std::int32_t count, Random random);

    /// Pseudo-random numbers seeded with the current time.
    static Random TimeSeeded();

    /// The index of the tip on the screen.
    std::int32_t Shown() const { return shown_; }
    std::int32_t Increment() const { return increment_; }
    /// The state of the check box "Show tips at startup".
    bool ShowAtStartup() const { return showAtStartup_; }

    /// The dialog is on the screen: the following tip is stored as the one
    /// that the next opening shows. Only the first call counts.
    void OnScreen();
    /// "Next tip": the following tip is shown, and the one after it stored
    /// for the next opening.
    void Next();
    /// A click on the check box: writes ShowTipOfTheDay, 1 when ticked, else 0.
    void SetShowAtStartup(bool show);

private:
    std::int32_t Following() const;

    ProgramSettings& settings_;
    std::int32_t count_;
    std::int32_t shown_;
    std::int32_t increment_;
    bool showAtStartup_;
    bool onScreen_ = false;
};

} // namespace solvo
