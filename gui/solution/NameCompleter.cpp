#include "solution/NameCompleter.h"

#include "app/CSolvoApp.h"
#include "app/TextConversion.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStandardItemModel>

namespace solvo {

namespace {

constexpr int kPositionRole = Qt::UserRole + 1;
// What the field takes: the plain name, while the list shows where it comes from.
constexpr int kNameRole = Qt::UserRole + 2;

} // namespace

NameCompleter::NameCompleter(QLineEdit& edit, const CSolvoApp& app,
                             std::function<void(const SolvoSubstance&)> chosen)
    : QObject(&edit), app_(app), chosen_(std::move(chosen)), completer_(new QCompleter(this)),
      model_(new QStandardItemModel(this))
{
    completer_->setModel(model_);
    completer_->setCompletionRole(kNameRole);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    // The database's names first, then the library's, as listed.
    completer_->setModelSorting(QCompleter::UnsortedModel);
    completer_->popup()->setAccessibleName(tr("substance names"));
    edit.setCompleter(completer_);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Take(index.data(kPositionRole).toInt()); });
    edit.installEventFilter(this);
    Refresh();
}

bool NameCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        Refresh();
    return QObject::eventFilter(watched, event);
}

void NameCompleter::Refresh()
{
    const SolvoSubstanceDatabase& database = app_.Substances();
    if (filled_ && revision_ == database.Revision())
        return;
    filled_ = true;
    revision_ = database.Revision();
    completions_ = NameCompletions::List(database);
    model_->clear();
    for (std::size_t position = 0; position < completions_.size(); ++position) {
        auto* item = new QStandardItem(ToQString(completions_[position].shown));
        item->setData(ToQString(completions_[position].name), kNameRole);
        item->setData(static_cast<int>(position), kPositionRole);
        model_->appendRow(item);
    }
}

void NameCompleter::Take(int position)
{
    if (position < 0 || position >= static_cast<int>(completions_.size()))
        return;
    if (const std::optional<SolvoSubstance> substance =
            NameCompletions::Substance(completions_[static_cast<std::size_t>(position)], app_.Substances(),
                                       app_.Elements()))
        chosen_(*substance);
}

} // namespace solvo
