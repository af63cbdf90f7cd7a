#include "EndpointArgument.h"

CLI::Validator IPv4EndpointValidator()
{
	return CLI::Validator(
		[](std::string& Text) -> std::string {
			FIPv4Endpoint Endpoint;
			if (!FIPv4Endpoint::Parse(FString(Text), Endpoint))
			{
				return "\"" + Text + "\" is not an IPv4 endpoint; expected A.B.C.D:PORT, e.g. 127.0.0.1:7777";
			}
			if (Endpoint.Port == 0)
			{
				return "\"" + Text + "\" has port 0; the port must be 1 to 65535";
			}
			return std::string();
		},
		"IP:PORT");
}

FIPv4Endpoint ParseEndpointArgument(const std::string& Text)
{
	FIPv4Endpoint Endpoint;
	FIPv4Endpoint::Parse(FString(Text), Endpoint);
	return Endpoint;
}

namespace
{
/** A port alone is a port of 127.0.0.1: the viewer reaches another network only when asked to. */
bool ParseViewerEndpoint(const std::string& Text, FIPv4Endpoint& OutEndpoint)
{
	return FIPv4Endpoint::Parse(FString(Text.find(':') == std::string::npos ? "127.0.0.1:" + Text : Text), OutEndpoint);
}
}

FIPv4Endpoint ParseViewerEndpointArgument(const std::string& Text)
{
	FIPv4Endpoint Endpoint;
	ParseViewerEndpoint(Text, Endpoint);
	return Endpoint;
}

CLI::Validator ViewerEndpointValidator()
{
	return CLI::Validator(
		[](std::string& Text) -> std::string {
			FIPv4Endpoint Endpoint;
			return ParseViewerEndpoint(Text, Endpoint) ? std::string() : "\"" + Text + "\" is not [ADDRESS:]PORT; expected e.g. 8080 or 0.0.0.0:8080 (port 0: any free port)";
		},
		"[ADDRESS:]PORT");
}
