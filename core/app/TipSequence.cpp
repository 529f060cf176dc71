#include "app/TipSequence.h"

#include <cassert>
#include <chrono>
#include <numeric>
#include <random>

namespace solvo {

TipSequence::TipSequence(ProgramSettings& settings, std::int32_t count, Random random)
    : settings_(settings),
      count_(count),
      shown_(settings.CurrentTip()),
      increment_(settings.TipIncrement()),
      showAtStartup_(settings.ShowTipOfTheDay() != 0)
{
    assert(count_ >= 1);
    if (increment_ > 0 && std::gcd(count_, increment_) == 1 && shown_ >= 0 && shown_ < count_)
        return;

    const auto n = static_cast<std::uint32_t>(count_);
    shown_ = static_cast<std::int32_t>(random() % n);
    // With a single tip there is nothing to draw from, and 1 is the only step.
    increment_ = 1;
    if (count_ > 1) {
        do
            increment_ = static_cast<std::int32_t>(random() % (n - 1) + 1);
        while (std::gcd(count_, increment_) != 1);
    }
    settings_.SetTipIncrement(increment_);
}

TipSequence::Random TipSequence::TimeSeeded()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return [engine = std::minstd_rand(static_cast<std::uint32_t>(now))]() mutable {
        return static_cast<std::uint32_t>(engine());
    };
}

std::int32_t TipSequence::Following() const
{
    // A stored increment may be as large as int32 allows.
    return static_cast<std::int32_t>((std::int64_t{shown_} + increment_) % count_);
}

void TipSequence::OnScreen()
{
    if (onScreen_)
        return;
    onScreen_ = true;
    settings_.SetCurrentTip(Following());
}

void TipSequence::Next()
{
    shown_ = Following();
    settings_.SetCurrentTip(Following());
}

void TipSequence::SetShowAtStartup(bool show)
{
    showAtStartup_ = show;
    settings_.SetShowTipOfTheDay(show ? 1 : 0);
}

} // namespace solvo
