#pragma once
// The root of every ClearCase action: runs cleartool from the options, in the
// action's view context, with the subcommand first, and offers the shared
// pieces of a cleartool command line.
//
// A concrete action takes its display name, help topic and subcommand from
// its catalogue row (clearcase/plugin/catalogue.cpp), so that they are written
// down once; it adds only its command line and properties:
//   class TMyAction : public TClearCaseBaseAction {
//    public:
//     bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
//     const vy::TPropertyList& PublishedProperties() const override;  // one line per property
//   };

#include <string>

#include "vycore/action.h"
#include "vycore/command_line.h"

namespace clearcase {

class TClearCaseBaseAction : public vy::TVyExecuteAbstractAction {
 public:
  TClearCaseBaseAction();

  // Host operations.
  bool Validate(vy::IVyActionValidationError& errors) override;
  vy::TStringList GetHiddenProperties() const override;
  std::string GetQuickHelpFilename() const override { return "Plugins\\ClearCase.html"; }
  // From the catalogue row of the object's class; outside the catalogue the
  // name and subcommand are empty and the help topic is the package's own.
  std::string GetActionName() const override;
  int GetHelpTopicID() const override;
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  std::string GetExecutable() override;
  std::string GetStartingDir(const std::string& defaultDir) override;
  void BeforeExecute(vy::ICommandLineBuilder& builder) override;

  // Operations of every ClearCase action.
  virtual bool GetActionDoesNotUseViewContext();
  virtual std::string GetCommand() const;
  virtual bool AddComment(vy::ICommandLineBuilder& builder);
  virtual bool AddPathNames(vy::ICommandLineBuilder& builder);
  virtual bool AddLabelTypeName(vy::ICommandLineBuilder& builder);
  virtual bool AddVersionSelector(vy::ICommandLineBuilder& builder);
  virtual bool AddObjectSelectors(vy::ICommandLineBuilder& builder);

  // View path names, then extended path names, each in stored order.
  const vy::TStringList& GetPathNames();

  // Properties (published by the concrete actions under these names).
  std::string GetComment() const { return comment_; }
  void SetComment(const std::string& value) { comment_ = value; }
  bool GetNoComment() const { return noComment_ || comment_.empty(); }
  void SetNoComment(bool value) { noComment_ = value; }
  std::string GetVOBSelector() const { return vobSelector_; }
  void SetVOBSelector(const std::string& value) { vobSelector_ = value; }
  std::string GetViewContextPath() const { return viewContextPath_; }
  void SetViewContextPath(const std::string& value) { viewContextPath_ = value; }
  bool GetUseDefaultViewContext() const { return useDefaultViewContext_; }
  void SetUseDefaultViewContext(bool value) { useDefaultViewContext_ = value; }
  std::string GetLabelTypeName() const { return labelTypeName_; }
  void SetLabelTypeName(const std::string& value) { labelTypeName_ = value; }
  std::string GetVersionSelector() const { return versionSelector_; }
  void SetVersionSelector(const std::string& value) { versionSelector_ = value; }
  bool GetUseVersionSelector() const { return useVersionSelector_; }
  void SetUseVersionSelector(bool value) { useVersionSelector_ = value; }
  std::string GetPathNameStorageString() const;
  void SetPathNameStorageString(const std::string& value);
  std::string GetObjectsStorageString() const;
  void SetObjectsStorageString(const std::string& value);

  // The lists the pages edit directly.
  vy::TStringList& ViewPathNames() { return viewPathNames_; }
  vy::TStringList& ExtendedPathNames() { return extendedPathNames_; }
  vy::TStringList& ObjectSelectors() { return objectSelectors_; }

  // The directory the last GetStartingDir resolved; empty when it failed.
  const std::string& ResolvedStartingDir() const { return resolvedStartingDir_; }

 protected:
  // Appends one argument of kind 2 without value.
  static void Append(vy::ICommandLineBuilder& builder, const std::string& argument);

 private:
  bool NoViewConfigured();

  std::string resolvedStartingDir_;
  bool noComment_ = false;
  std::string comment_;
  std::string vobSelector_;
  std::string viewContextPath_;
  bool useDefaultViewContext_ = false;
  vy::TStringList viewPathNames_;
  vy::TStringList extendedPathNames_;
  vy::TStringList objectSelectors_;
  std::string labelTypeName_;
  std::string versionSelector_;
  vy::TStringList combinedPathNames_;
  bool useVersionSelector_ = false;
};

}  // namespace clearcase
