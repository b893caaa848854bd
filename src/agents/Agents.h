#pragma once
// Every interface of the system, and nothing else. Interfaces are abstract classes with
// pure virtual operations only; implementations live in the subsystem libraries.

#include <QString>

#include <memory>

// ---------------------------------------------------------------------------------------------
// Settings store, options and About
// ---------------------------------------------------------------------------------------------

// Named values of one settings key. Absent keys and values read as the given default.
class IVelRegistry {
public:
    virtual ~IVelRegistry() = default;
    virtual void WriteString(const QString& name, const QString& value) = 0;
    virtual void WriteInteger(const QString& name, int value) = 0;
    virtual QString ReadString(const QString& name, const QString& defaultValue) = 0;
    virtual int ReadInteger(const QString& name, int defaultValue) = 0;
};

// The media folder: empty, or a path that ends with a separator.
class IOptionsModel {
public:
    virtual ~IOptionsModel() = default;
    virtual void SetMediaFolder(const QString& folder) = 0;
    virtual QString GetMediaFolder() = 0;
};

class IOptionsController {
public:
    virtual ~IOptionsController() = default;
    // Runs the options dialog; answers its modal result (QDialog::Accepted or Rejected).
    virtual int Execute() = 0;
    virtual std::shared_ptr<IOptionsModel> GetModel() = 0;
};

class IOptionsView {
public:
    virtual ~IOptionsView() = default;
    virtual int ShowModal() = 0;
    virtual void SetModel(std::shared_ptr<IOptionsModel> model) = 0;
};

class IOptionsFactory {
public:
    virtual ~IOptionsFactory() = default;
    virtual std::shared_ptr<IOptionsController> CreateController() = 0;
};

// The facts of the About box; also the single source of the product name.
class IAboutModel {
public:
    virtual ~IAboutModel() = default;
    virtual QString GetProductName() = 0;
    virtual QString GetVersion() = 0;
    virtual QString GetVersionQualifier() = 0;
    virtual QString GetReleaseDate() = 0;
    virtual QString GetNoticeYears() = 0;
};

class IAboutController {
public:
    virtual ~IAboutController() = default;
    virtual void Show() = 0;
    virtual QString GetProductName() = 0;
    virtual QString GetVersion() = 0;
    virtual QString GetVersionQualifier() = 0;
    virtual QString GetReleaseDate() = 0;
    virtual QString GetNoticeYears() = 0;
};

class IAboutView {
public:
    virtual ~IAboutView() = default;
    virtual int ShowModal() = 0;
    // The dialog fills itself from the controller once; it does not own the controller.
    virtual void SetController(IAboutController* controller) = 0;
};

class IAboutModelFactory {
public:
    virtual ~IAboutModelFactory() = default;
    virtual std::shared_ptr<IAboutModel> CreateModel() = 0;
};

class IAboutViewFactory {
public:
    virtual ~IAboutViewFactory() = default;
    virtual IAboutView* CreateView() = 0;
};

class IAboutFactory {
public:
    virtual ~IAboutFactory() = default;
    virtual std::shared_ptr<IAboutController> CreateController() = 0;
};
