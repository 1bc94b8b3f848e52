#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vorbix"));
    window.resize(709, 538);
    window.show();
    return QApplication::exec();
}
