#pragma once

// Every page's fields and controls by the constants their pages declare, for the tests and the
// benchmarks: a renamed field fails to build those that use it.
#include "app/prefs_fields.h"
#include "pages/amortization_fields.h"
#include "pages/biweekly_fields.h"
#include "pages/closing_costs_fields.h"
#include "pages/loan_spread_fields.h"
#include "pages/mortgage_qualifier_fields.h"
#include "pages/page_controls.h"
#include "pages/quick_calculator_fields.h"
#include "pages/refinancing_fields.h"
#include "pages/rent_vs_buy_fields.h"

namespace amort = qn::pages::amort;
namespace bw = qn::pages::bw;
namespace ecc = qn::pages::ecc;
namespace ls = qn::pages::ls;
namespace mq = qn::pages::mq;
namespace prefs = qn::app::prefs;
namespace qc = qn::pages::qc;
namespace rc = qn::pages::rc;
namespace rvb = qn::pages::rvb;
