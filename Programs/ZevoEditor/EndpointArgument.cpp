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
