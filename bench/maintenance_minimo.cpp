// The start-up comparison's baseline: a minimal Qt program that shows one window holding a table
// view and ends on Esc, as Ta_Quendal does in code entry.
#include <QApplication>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>

namespace {
class Tabla final : public QTableView {
protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->key() == Qt::Key_Escape) close();
        else QTableView::keyPressEvent(evento);
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStandardItemModel modelo(12, 2);
    Tabla vista;
    vista.setModel(&modelo);
    vista.setWindowTitle(QStringLiteral("Tabla minima"));
    vista.resize(447, 130);
    vista.show();
    return app.exec();
}
