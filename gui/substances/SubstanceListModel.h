#pragma once

#include "substances/SubstanceFilter.h"

#include <QAbstractListModel>

#include <vector>

namespace solvo {

/// The listed substances as a Qt list model over the form's rows, so that a
/// database of any size is listed without a widget item per row.
class SubstanceListModel : public QAbstractListModel {
    Q_OBJECT

public:
    /// rows must outlive the model; call Reset() whenever they change.
    explicit SubstanceListModel(const std::vector<SubstanceListRow>& rows, QObject* parent = nullptr);

    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<SubstanceListRow>& rows_;
};

} // namespace solvo
