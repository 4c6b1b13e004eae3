#include "codeplug/channel_editor_window.h"

#include "codeplug/channel_grid_model.h"
#include "codeplug/channel_table.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int kColumnWidths[ChannelTable::ColumnCount] = {35, 80, 90, 80, 91, 77, 60, 99};
constexpr int kRowHeight = 16;

QPushButton* makeButton(QWidget* parent, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TForm2::TForm2(ChannelTable& table, ToneList& tones, QWidget* parent)
    : MdiChildWindow(QStringLiteral("信道编辑"), QSize(640, 349), parent),
      StringGrid1(new QTableView(client())), table_(table), tones_(tones),
      gridModel_(new ChannelGridModel(table, this)) {
    setObjectName(QStringLiteral("Form2"));
    buildGrid();
    TeButton1 = makeButton(client(), QStringLiteral("退出"), {8, 312, 83, 25});
    TeButton2 = makeButton(client(), QStringLiteral("信道上移"), {344, 312, 83, 25});
    TeButton3 = makeButton(client(), QStringLiteral("信道下移"), {448, 312, 83, 25});
    TeButton4 = makeButton(client(), QStringLiteral("信道删除"), {552, 312, 83, 25});
    connect(TeButton1, &QPushButton::clicked, this, &TForm2::TeButton1Click);
}

void TForm2::buildGrid() {
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(8, 8, 625, 297);
    StringGrid1->setModel(gridModel_);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int column = 0; column < ChannelTable::ColumnCount; ++column)
        StringGrid1->setColumnWidth(column, kColumnWidths[column]);
}

void TForm2::TeButton1Click() {
    close();
}
