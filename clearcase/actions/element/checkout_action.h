#pragma once

#include <cstdint>
#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

enum TCCDataLocation : std::uint8_t { coView, coOut, coNoData };
enum TCCCheckOutSelector : std::uint8_t { coDefault, coVersion, coBranch };

// Checks elements out with "cleartool checkout".
class TClearCaseCheckoutAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetReserved() const { return reserved_; }
  void SetReserved(bool value) { reserved_ = value; }
  bool GetUnreserved() const { return unreserved_; }
  void SetUnreserved(bool value) { unreserved_ = value; }
  bool GetPreserveTime() const { return preserveTime_; }
  void SetPreserveTime(bool value) { preserveTime_ = value; }
  TCCCheckOutSelector GetSelectionMode() const { return selectionMode_; }
  void SetSelectionMode(TCCCheckOutSelector value) { selectionMode_ = value; }
  TCCDataLocation GetDataLocation() const { return dataLocation_; }
  void SetDataLocation(TCCDataLocation value) { dataLocation_ = value; }
  std::string GetOutExternalPath() const { return outExternalPath_; }
  void SetOutExternalPath(const std::string& value) { outExternalPath_ = value; }
  // Hides the base's version selector: checkout keeps its own.
  std::string GetVersionSelector() const { return versionSelector_; }
  void SetVersionSelector(const std::string& value) { versionSelector_ = value; }
  std::string GetBranchSelector() const { return branchSelector_; }
  void SetBranchSelector(const std::string& value) { branchSelector_ = value; }

 private:
  bool AddDataLocation(vy::ICommandLineBuilder& builder);
  bool AddSelection(vy::ICommandLineBuilder& builder);

  bool reserved_ = false;
  bool unreserved_ = false;
  bool preserveTime_ = false;
  TCCCheckOutSelector selectionMode_ = coDefault;
  TCCDataLocation dataLocation_ = coView;
  std::string outExternalPath_;
  std::string versionSelector_;
  std::string branchSelector_;
};

}  // namespace clearcase
