#pragma once

#include <string>

class TfrxComponent;

// Replaces `out` by the attributes in which `object` differs from `source`, its copy
// among the prepared pages' source objects, as UTF-8 attribute text: bounds in
// the compact forms l, t, w, h, then the properties of the object's class that
// prepared pages record (booleans as 1 and 0, enumerations as ordinals), and
// always a memo's text as u and a picture's ImageIndex. Rebuilding the object
// from the source's text followed by this text gives the object back.
void frxWriteDifferences(std::string& out, const TfrxComponent& object, const TfrxComponent& source);
