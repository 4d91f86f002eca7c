#include "wordlistmodel.h"

#include "wordlist.h"

namespace talvora::ui {

WordListModel::WordListModel(const WordList& words, QObject* parent)
    : QAbstractListModel(parent), words_(words), rows_(std::vector<uint32_t>{}) {}

void WordListModel::showAll() {
    beginResetModel();
    rows_.reset();
    endResetModel();
}

void WordListModel::showRows(std::vector<uint32_t> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int WordListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(rows_ ? rows_->size() : words_.size());
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount())
        return {};
    const auto i = static_cast<uint32_t>(index.row());
    const uint32_t row = rows_ ? (*rows_)[i] : i + 1;
    const std::string_view word = words_[row];
    return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

} // namespace talvora::ui
