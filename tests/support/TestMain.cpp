// Entry of every test program: a real QApplication on the offscreen platform, and settings
// files in a private temporary folder.

#include "TestSupport.h"

#include <QApplication>

int main(int argc, char** argv) {
    return testsupport::RunAllTests<QApplication>(argc, argv);
}
