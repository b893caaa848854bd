// The program: the application object with its error handler, then the viewer's whole run.

#include "ClipwiseApplication.h"
#include "MediaIndexViewer.h"
#include "QtUserQuestions.h"

int main(int argc, char** argv) {
    TClipwiseApplication app(argc, argv);
    return RunMediaIndexViewer(std::make_shared<TQtUserQuestions>());
}
