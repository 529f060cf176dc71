#include "substances/SubstanceListModel.h"

#include "app/TextConversion.h"

namespace solvo {

SubstanceListModel::SubstanceListModel(const std::vector<SubstanceListRow>& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows)
{
}

void SubstanceListModel::Reset()
{
    beginResetModel();
    endResetModel();
}

int SubstanceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant SubstanceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return ToQString(rows_[static_cast<std::size_t>(index.row())].text);
    return {};
}

} // namespace solvo
