#pragma once

#include "library/NameCompletions.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

#include <QAbstractListModel>

class QCompleter;
class QLineEdit;

namespace solvo {

class CSolvoApp;

/// The completions as the completer reads them: each row makes its texts
/// only when asked, so a database of 100,000 names costs no item objects.
class NameCompletionModel : public QAbstractListModel {
    Q_OBJECT

public:
    /// What the field takes: the plain name, while the list shows where it comes from.
    static constexpr int kNameRole = Qt::UserRole + 1;
    /// The row in the list, whatever filtered view of it the completer shows.
    static constexpr int kPositionRole = Qt::UserRole + 2;

    using QAbstractListModel::QAbstractListModel;

    void SetCompletions(std::vector<NameCompletion> completions);
    const std::vector<NameCompletion>& Completions() const { return completions_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<NameCompletion> completions_;
};

/// Completes a component's name field from the database's substances, then
/// the reagent library's solutes (NameCompletions). Taking a completion
/// hands its substance to chosen; the list is filled when the field first
/// takes the focus or a key, and again after the database changed.
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
    NameCompletionModel* model_;
    std::uint64_t revision_ = 0;
    bool filled_ = false;
};

} // namespace solvo
