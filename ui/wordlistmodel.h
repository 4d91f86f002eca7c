#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <optional>
#include <vector>

namespace talvora {
class WordList;
}

namespace talvora::ui {

// Words of the loaded dictionary for a list view: every row, or the given rows. The list
// is read when a row is painted, so 655000 words cost no widget items.
class WordListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit WordListModel(const WordList& words, QObject* parent = nullptr);

    void showAll();
    void showRows(std::vector<uint32_t> rows);
    void clear() { showRows({}); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const WordList& words_;
    std::optional<std::vector<uint32_t>> rows_; // none: every word
};

} // namespace talvora::ui
