// Placeholder until the chart window lands: shows an empty window titled Velmora.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Velmora"));
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.resize(821, 646);
    window.show();
    return app.exec();
}
