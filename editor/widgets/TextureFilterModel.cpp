#include "editor/widgets/TextureFilterModel.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

#include "editor/widgets/TextureTableModel.h"

namespace tessmoor {

QStringList FilterWords(const QString& typed) { return typed.split(QChar(' '), Qt::SkipEmptyParts); }

TextureFilterModel::TextureFilterModel(const std::vector<TextureUsage>& usage, QObject* parent)
    : QSortFilterProxyModel(parent), usage_(usage) {
  setDynamicSortFilter(true);
  sort(0);
}

void TextureFilterModel::setSourceModel(QAbstractItemModel* source) {
  // The ranks must be new before the proxy sorts again: these connections are
  // made before the proxy's own, so they run first.
  if (source != nullptr) {
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
      connect(source, signal, this, [this] { RankNames(); });
    }
    connect(source, &QAbstractItemModel::modelReset, this, [this] { RankNames(); });
    connect(source, &QAbstractItemModel::dataChanged, this, [this] { RankNames(); });
  }
  QSortFilterProxyModel::setSourceModel(source);
  RankNames();
}

void TextureFilterModel::SetFilter(const TextureFilter& filter) {
  if (filter == filter_) return;
  filter_ = filter;
  invalidateFilter();
}

void TextureFilterModel::SetOrder(TextureOrder order) {
  if (order == order_) return;
  order_ = order;
  invalidate();
}

void TextureFilterModel::SetMembers(std::optional<std::vector<int>> members, bool inGivenOrder) {
  if (members == members_ && inGivenOrder == inGivenOrder_) return;
  members_ = std::move(members);
  inGivenOrder_ = inGivenOrder;
  invalidate();
}

void TextureFilterModel::UsageChanged() {
  if (filter_.unusedOnly || order_ == TextureOrder::Usage) invalidate();
}

void TextureFilterModel::RankNames() {
  const QAbstractItemModel* source = sourceModel();
  const int rows = source ? source->rowCount() : 0;
  std::vector<QString> names(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row) names[static_cast<size_t>(row)] = source->index(row, 0).data().toString();
  std::vector<int> order(static_cast<size_t>(rows));
  std::iota(order.begin(), order.end(), 0);
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return collator.compare(names[static_cast<size_t>(a)], names[static_cast<size_t>(b)]) < 0;
  });
  nameRanks_.assign(static_cast<size_t>(rows), 0);
  for (int place = 0; place < rows; ++place) nameRanks_[static_cast<size_t>(order[static_cast<size_t>(place)])] = place;
}

int TextureFilterModel::NameRank(int row) const {
  return row >= 0 && row < static_cast<int>(nameRanks_.size()) ? nameRanks_[static_cast<size_t>(row)] : row;
}

int TextureFilterModel::MemberRank(int row) const {
  if (!members_) return -1;
  const auto found = std::find(members_->begin(), members_->end(), row);
  return found == members_->end() ? -1 : static_cast<int>(found - members_->begin());
}

bool TextureFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (members_ && MemberRank(sourceRow) < 0) return false;
  const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
  const QString name = index.data().toString();
  for (const QString& word : filter_.words) {
    if (!name.contains(word, Qt::CaseInsensitive)) return false;
  }
  if (filter_.size.isValid() && index.data(TextureTableModel::PictureSizeRole).toSize() != filter_.size) return false;
  if (filter_.animatedOnly && index.data(TextureTableModel::FrameCountRole).toInt() < 2) return false;
  if (filter_.unusedOnly) {
    const bool known = sourceRow < static_cast<int>(usage_.size());
    if (known && usage_[static_cast<size_t>(sourceRow)].cells > 0) return false;
  }
  return true;
}

bool TextureFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const int a = left.row();
  const int b = right.row();
  if (inGivenOrder_) return MemberRank(a) < MemberRank(b);
  switch (order_) {
    case TextureOrder::Name:
      return NameRank(a) < NameRank(b);
    case TextureOrder::Usage: {
      const auto cells = [this](int row) {
        return row < static_cast<int>(usage_.size()) ? usage_[static_cast<size_t>(row)].cells : 0;
      };
      // The most used first; equal ones by name.
      if (cells(a) != cells(b)) return cells(a) > cells(b);
      return NameRank(a) < NameRank(b);
    }
    case TextureOrder::Table:
      break;
  }
  return a < b;
}

}  // namespace tessmoor
