#include "clearcase/actions/element/make_element_action.h"

namespace clearcase {

bool TClearCaseMakeElementAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  // The type travels as stored, in the option's own argument: cleartool
  // reports a bad or missing one.
  if (useElementType_) Append(builder, "-eltype " + elementType_);
  if (checkout_ == ccCheckedIn) Append(builder, "-ci");
  if (checkout_ == ccNoCheckOut) Append(builder, "-nco");
  if (checkout_ == ccCheckedIn && preserveTime_) Append(builder, "-ptime");
  if (makePath_) Append(builder, "-mkpath");
  if (master_) Append(builder, "-master");
  if (noWarnings_) Append(builder, "-nwarn");
  result = AddComment(builder) && result;
  result = AddPathNames(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseMakeElementAction::PublishedProperties() const {
  using T = TClearCaseMakeElementAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .Enumeration("Checkout", {"ccCheckedOut", "ccCheckedIn", "ccNoCheckOut"}, &T::GetCheckout,
                       &T::SetCheckout)
          .Boolean("UseElementType", &T::GetUseElementType, &T::SetUseElementType)
          .String("ElementType", &T::GetElementType, &T::SetElementType)
          .Boolean("PreserveTime", &T::GetPreserveTime, &T::SetPreserveTime)
          .Boolean("MakePath", &T::GetMakePath, &T::SetMakePath)
          .Boolean("Master", &T::GetMaster, &T::SetMaster)
          .Boolean("NoWarnings", &T::GetNoWarnings, &T::SetNoWarnings);
  return list;
}

}  // namespace clearcase
