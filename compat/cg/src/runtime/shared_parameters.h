// Parameters that follow others: connections made with cgConnectParameter
// (and between namesakes of a combined program), and the context's own
// parameters made with cgCreateParameter.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

// Same kind, type and shape, member by member and element by element.
bool sameShape(const _CGparameter& a, const _CGparameter& b);
// `to` (and each of its members or elements) follows `from` from now on,
// starting with from's current value.
void connectParameters(_CGparameter& from, _CGparameter& to);
// Hands a changed value (or texture, or string) on to the parameters that follow p.
void propagate(_CGparameter& p);
// Breaks every connection p is part of, both ways, for a parameter about to go.
void disconnectAll(_CGparameter& p);
void markDuplicate(_CGparameter& p);
// Forgets the context's own parameters as it is destroyed.
void forgetSharedParameters(_CGcontext& context);

}  // namespace cgrt
