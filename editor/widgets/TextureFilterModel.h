#pragma once
// What the texture browser shows of the texture table model: the textures that
// pass its filter (words of the name, picture size, animated, unused), in the
// order the user chose. A group ("Zuletzt benutzt", "Favoriten") is the same
// view over the textures the group holds.

#include <QSize>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "textures/TextureUsage.h"

namespace tessmoor {

struct TextureFilter {
  QStringList words;  // each must be part of the name, in any case
  QSize size;         // the first frame's picture size; invalid: any
  bool animatedOnly = false;
  bool unusedOnly = false;

  bool operator==(const TextureFilter&) const = default;
};

// Splits what the user typed into the words of a filter.
QStringList FilterWords(const QString& typed);

enum class TextureOrder { Name, Usage, Table };

class TextureFilterModel : public QSortFilterProxyModel {
 public:
  // `usage` (by table position) is the owner's; tell UsageChanged() when it changes.
  TextureFilterModel(const std::vector<TextureUsage>& usage, QObject* parent = nullptr);

  void SetFilter(const TextureFilter& filter);
  const TextureFilter& Filter() const { return filter_; }
  void SetOrder(TextureOrder order);
  TextureOrder Order() const { return order_; }
  // Only these textures; with `inGivenOrder` they keep the list's order in
  // place of the chosen one. Nothing: every texture.
  void SetMembers(std::optional<std::vector<int>> members, bool inGivenOrder = false);
  void UsageChanged();

  void setSourceModel(QAbstractItemModel* source) override;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  void RankNames();
  int NameRank(int row) const;
  int MemberRank(int row) const;

  const std::vector<TextureUsage>& usage_;
  TextureFilter filter_;
  TextureOrder order_ = TextureOrder::Name;
  std::optional<std::vector<int>> members_;
  bool inGivenOrder_ = false;
  // The rows' places in the order of their names: comparing names under the
  // user's locale costs too much to do for every comparison of a sort.
  std::vector<int> nameRanks_;
};

}  // namespace tessmoor
