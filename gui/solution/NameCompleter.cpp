#include "solution/NameCompleter.h"

#include "app/CSolvoApp.h"
#include "app/TextConversion.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QListView>

namespace solvo {

void NameCompletionModel::SetCompletions(std::vector<NameCompletion> completions)
{
    beginResetModel();
    completions_ = std::move(completions);
    endResetModel();
}

int NameCompletionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(completions_.size());
}

QVariant NameCompletionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const NameCompletion& completion = completions_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return ToQString(completion.shown);
    case kNameRole:
        return ToQString(completion.name);
    case kPositionRole:
        return index.row();
    default:
        return {};
    }
}

NameCompleter::NameCompleter(QLineEdit& edit, const CSolvoApp& app,
                             std::function<void(const SolvoSubstance&)> chosen)
    : QObject(&edit), app_(app), chosen_(std::move(chosen)), completer_(new QCompleter(this)),
      model_(new NameCompletionModel(this))
{
    completer_->setModel(model_);
    completer_->setCompletionRole(NameCompletionModel::kNameRole);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    // The database's names first, then the library's, as listed.
    completer_->setModelSorting(QCompleter::UnsortedModel);
    completer_->popup()->setAccessibleName(tr("substance names"));
    // Every row is one line of text: laid out by the first row's size, a
    // popup over a whole inventory's names opens at once instead of
    // measuring each name on every keystroke.
    if (auto* list = qobject_cast<QListView*>(completer_->popup()))
        list->setUniformItemSizes(true);
    edit.setCompleter(completer_);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                Take(index.data(NameCompletionModel::kPositionRole).toInt());
            });
    edit.installEventFilter(this);
}

bool NameCompleter::eventFilter(QObject* watched, QEvent* event)
{
    // Before the field takes a key, the list is there for the completer.
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::KeyPress || type == QEvent::InputMethod)
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
    model_->SetCompletions(NameCompletions::List(database));
}

void NameCompleter::Take(int position)
{
    const std::vector<NameCompletion>& completions = model_->Completions();
    if (position < 0 || position >= static_cast<int>(completions.size()))
        return;
    if (const std::optional<SolvoSubstance> substance =
            NameCompletions::Substance(completions[static_cast<std::size_t>(position)], app_.Substances(),
                                       app_.Elements()))
        chosen_(*substance);
}

} // namespace solvo
