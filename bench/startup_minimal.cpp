// The anchor for start-up time and memory: the least a Qt Widgets program shows, one window with
// one label, with the same first-paint probe.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("时间结束！")));
    window.resize(584, 311);
    window.show();
    return application.exec();
}
