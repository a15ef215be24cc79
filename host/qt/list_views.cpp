// The list view in report mode: a tree widget without branches, one line a row, its
// column headers with their texts, widths and the icons of the image list the model names,
// the model's back colour, and grid lines between the cells when the model asks for them.
// A text shows up to its first zero character, as the stored records pad their names. The
// player's choice of a row reaches the model as ItemClick; the model's selection comes back.

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/picture_icon.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/forms/form.h"
#include "platform/forms/image_list.h"
#include "platform/forms/list_view.h"

namespace qthost {

namespace {

constexpr vb::OleColor kGridColour = 0xC0C0C0;

QString UpToZero(const std::string& text) { return ToQString(text.substr(0, text.find('\0'))); }

// Rows stand a little apart, as a report list spaces them.
constexpr int kRowPadding = 4;

// The cell as the style draws it, then its right and bottom rule.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(const vb::ListView& list, QObject* parent)
        : QStyledItemDelegate(parent), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, kRowPadding);
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        if (!list_.GridLines()) return;
        const QRect r = option.rect;
        p->save();
        p->setPen(ToQColor(kGridColour));
        p->drawLine(r.topRight(), r.bottomRight());
        p->drawLine(r.bottomLeft(), r.bottomRight());
        p->restore();
    }

private:
    const vb::ListView& list_;
};

class ListViewView : public View<QTreeWidget> {
public:
    ListViewView(vb::ListView& list, QWidget* parent) : View(list, parent), list_(list) {
        setRootIsDecorated(false);
        setUniformRowHeights(true);
        setItemsExpandable(false);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        header()->setSectionsMovable(false);
        header()->setStretchLastSection(false);
        setItemDelegate(new GridDelegate(list_, this));
        QObject::connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { chosen(); });
    }
    bool takesFocus() const override { return true; }

protected:
    void refresh() override {
        const QSignalBlocker quiet(this);
        setFont(ToQFont(list_.Font()));
        QPalette p = palette();
        p.setColor(QPalette::Base, ToQColor(list_.BackColor()));
        setPalette(p);
        const int scrolled = verticalScrollBar()->value();
        fill();
        select();
        verticalScrollBar()->setValue(scrolled);
        viewport()->update();
    }

private:
    void fill() {
        const auto& columns = list_.Columns();
        setColumnCount(static_cast<int>(columns.size()));
        QTreeWidgetItem* head = headerItem();
        for (size_t i = 0; i < columns.size(); ++i) {
            const int c = static_cast<int>(i);
            head->setText(c, UpToZero(columns[i].Text));
            head->setIcon(c, headerIcon(columns[i].Icon));
            setColumnWidth(c, Px(columns[i].Width));
        }
        clear();
        for (int32_t r = 1; r <= list_.ItemCount(); ++r) {
            vb::ListItem& row = list_.ListItems(r);
            auto* item = new QTreeWidgetItem(this);
            item->setText(0, UpToZero(row.Text()));
            for (size_t c = 1; c < columns.size(); ++c)
                item->setText(static_cast<int>(c), UpToZero(row.SubItems(static_cast<int16_t>(c))));
        }
    }

    void select() {
        const vb::ListItem* selected = list_.SelectedItem();
        clearSelection();
        for (int32_t r = 1; selected && r <= list_.ItemCount(); ++r)
            if (&list_.ListItems(r) == selected) topLevelItem(r - 1)->setSelected(true);
    }

    // The header's icon, with the image list's mask colour see-through.
    QIcon headerIcon(int16_t index) const {
        const auto* images =
            dynamic_cast<vb::ImageList*>(list_.Parent().FindControl(list_.ColumnHeaderIcons()));
        if (!images || index < 1 || index > images->Count()) return {};
        return PictureIcon(images->ListImages(index), images->MaskColor());
    }

    void chosen() {
        const QList<QTreeWidgetItem*> picked = selectedItems();
        const int row = picked.isEmpty() ? -1 : indexOfTopLevelItem(picked.front());
        if (row >= 0 && row < list_.ItemCount())
            Guarded([&] { list_.RaiseItemClick(list_.ListItems(row + 1)); });
        EventDelivered(*this);
        refresh();
    }

    vb::ListView& list_;
};

}  // namespace

ControlView* MakeListViewView(vb::ListView& list, QWidget* parent) {
    return new ListViewView(list, parent);
}

}  // namespace qthost
