#pragma once

#include "library/NameCompletions.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace solvo {

class CSolvoApp;

/// Completes a component's name field from the database's substances, then
/// the reagent library's solutes (NameCompletions). Taking a completion
/// hands its substance to chosen; the list follows the database, filled
/// again when the field takes the focus after the database changed.
class NameCompleter : public QObject {
    Q_OBJECT

public:
    NameCompleter(QLineEdit& edit, const CSolvoApp& app, std::function<void(const SolvoSubstance&)> chosen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Take(int position);

    const CSolvoApp& app_;
    std::function<void(const SolvoSubstance&)> chosen_;
    QCompleter* completer_;
    QStandardItemModel* model_;
    std::vector<NameCompletion> completions_;
    std::uint64_t revision_ = 0;
    bool filled_ = false;
};

} // namespace solvo
