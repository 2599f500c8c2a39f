#pragma once

#include <string>

namespace quitanza::report {

class Component;

// Replaces `out` by the attributes in which `object` differs from `source`, its copy
// among the prepared pages' source objects, as UTF-8 attribute text: bounds in
// the compact forms l, t, w, h, then the properties of the object's class that
// prepared pages record (booleans as 1 and 0, enumerations as ordinals), and
// always a memo's text as u and a picture's ImageIndex. Rebuilding the object
// from the source's text followed by this text gives the object back.
void WriteDifferences(std::string& out, const Component& object, const Component& source);

}  // namespace quitanza::report
