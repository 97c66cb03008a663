// Screen-reader interfaces of the toolkit's screens and controls.
//
// Screens are frames named and described by their focus chain (title and
// description); controls are read by the names and roles of ui/Keyboard.h;
// text boxes offer their text for reading and, while they take typing, for
// editing; a TableArea presents the labels of a screen as a table of cells;
// the message boxes are read by their title, text and buttons.
// Every position is given in device pixels of the screen, so that at scale 2
// a magnifier or reader points where the pupil sees the element.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace ui {

// A transparent, mouse-transparent area over a screen whose child labels
// form a table: rows() rows of the given columns, cell(row, column) the
// label shown there (rows and columns from 0). The labels must be children
// of the area.
class TableArea : public QWidget {
    Q_OBJECT
public:
    TableArea(QWidget *parent, const QString &name);
    QStringList columns;                            // the column headings
    std::function<int()> rows;                      // rows shown now
    std::function<QWidget *(int row, int column)> cell;

    int rowCount() const { return rows ? rows() : 0; }
    int columnCount() const { return int(columns.size()); }
    QWidget *cellAt(int row, int column) const;
    // The row and column of w, false when it is no cell of the table.
    bool find(QWidget *w, int &row, int &column) const;
};

// Whether widget w is selected (a page tab that is open), as a screen
// reader reads it.
void setAccessibleSelected(QWidget *w, bool selected);

}  // namespace ui
