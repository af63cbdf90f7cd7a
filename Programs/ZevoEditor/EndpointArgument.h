#pragma once
// Endpoints on the command line: "A.B.C.D:PORT", dotted-decimal IPv4 and a port of 1 to 65535;
// and the viewer's "[A.B.C.D:]PORT", on 127.0.0.1 unless an address is given, where port 0 asks
// for any free port.
#include "Interfaces/IPv4/IPv4Endpoint.h"

#include <CLI/CLI.hpp>

/** Checks an IP:PORT argument while the command line is parsed, so that a bad one is a usage error. */
CLI::Validator IPv4EndpointValidator();

/** The endpoint of an argument that passed the validator. */
FIPv4Endpoint ParseEndpointArgument(const std::string& Text);

/** Checks a [ADDRESS:]PORT argument of --view while the command line is parsed. */
CLI::Validator ViewerEndpointValidator();

/** The endpoint of a --view argument that passed the validator. */
FIPv4Endpoint ParseViewerEndpointArgument(const std::string& Text);
