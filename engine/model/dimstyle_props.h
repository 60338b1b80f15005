// Numbered access to the 55 properties of a dimension style, for the dialogs, the
// property editor, the drawing file and the exchange code.
#pragma once
#include "engine/model/records.h"
#include "platform/core/value.h"

enum class dimprop_kind_ : uint8_t { byte_, int16_, int32_, single_, flag_, text_ };

// The kind of property n (0..54); byte_ for numbers outside that range.
dimprop_kind_ dimstyle_prop_kind_(int32_t n);

// Property n in its own type (flags as -1/0, texts as text); null outside 0..54.
value_ dimstyle_prop_get_(const dimstyle_rec_& s, int32_t n);

// Converts v to property n's type (fractions round half to even) and stores it. False,
// with the property unchanged, when n is out of range or v does not convert: a number
// outside the type's range, a text that is no number, or null.
bool dimstyle_prop_set_(dimstyle_rec_& s, int32_t n, const value_& v);
