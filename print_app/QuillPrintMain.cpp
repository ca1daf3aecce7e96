// quill-print: designs, manual labels and printing from text files.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QuillPrint");
    return 0;
}
