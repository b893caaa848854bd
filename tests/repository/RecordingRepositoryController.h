#pragma once
// A recording double of IRepositoryController: the few operations that the repository model
// and the history use, each counted; everything else is unused by them.

#include "Agents.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class TRecordingRepositoryController final : public IRepositoryController {
public:
    std::shared_ptr<IOptionsModel> optionsModel;
    QString productName = QStringLiteral("Clipwise");
    int saveAsCalls = 0;
    std::function<void()> onSaveAs;
    QStringList openedFiles;

    void SaveAs() override {
        ++saveAsCalls;
        if (onSaveAs) {
            onSaveAs();
        }
    }
    void OpenFile(const QString& path) override { openedFiles << path; }
    std::shared_ptr<IOptionsModel> GetOptionsModel() override { return optionsModel; }
    QString GetProductName() override { return productName; }

    void Import() override { Unused(); }
    int ShowOptions() override { return Unused(), 0; }
    void ShowAbout() override { Unused(); }
    void NewDocument() override { Unused(); }
    void Open() override { Unused(); }
    void Save() override { Unused(); }
    bool CloseDocument() override { return Unused(), false; }
    void OpenLastOrNew() override { Unused(); }
    bool OpenFromCommandLine() override { return Unused(), false; }
    TMatchStatFile* GetDocument() override { return Unused(), nullptr; }
    std::shared_ptr<IAboutController> GetAboutController() override { return Unused(), nullptr; }
    int AddClipToPresentation(TSituation*) override { return Unused(), 0; }
    std::shared_ptr<IPresentationAgent> GetPresentationAgent() override {
        return Unused(), nullptr;
    }
    std::shared_ptr<IMatchAgent> GetMatchAgent() override { return Unused(), nullptr; }

private:
    [[noreturn]] static void Unused() {
        throw std::logic_error("not used by the repository model or the history");
    }
};
