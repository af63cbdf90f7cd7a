#include "SettingsCommand.h"

#include "DisplayText.h"
#include "EditorProject.h"
#include "EndpointArgument.h"
#include "ExitCodes.h"
#include "LoggedErrors.h"
#include "ZevoLiveLinkSettings.h"

#include <cstdio>

namespace
{
void PrintSettings(const UZevoLiveLinkSettings& Settings)
{
	std::printf("Auto connect on startup: %s\n", Settings.bAutoConnectOnStartup ? "True" : "False");
	std::printf("Remember connections:    %s\n", Settings.bRememberLastConnection ? "True" : "False");
	std::printf("Saved connections:       %d\n", Settings.SavedConnections.Num());
	int32 Number = 0;
	for (const FZevoLiveLinkConnectionInfo& Connection : Settings.SavedConnections)
	{
		const FString Endpoint = FString::Printf("%s:%d", *ToDisplayText(Connection.IPAddress), Connection.Port);
		std::printf("  %d  %-22s %s\n", ++Number, *Endpoint, Connection.bEnabled ? "enabled" : "disabled");
	}
}
}

FSettingsCommand::FSettingsCommand(CLI::App& App)
{
	Command = App.add_subcommand("settings", "List or change the project's saved connections (Saved/Config/ZevoLiveLink.ini)");
	Command->add_option("--project", ProjectDir, "The project folder")->required()->check(CLI::ExistingDirectory);
	// The actions may come before or after --project.
	Command->fallthrough();
	Command->require_subcommand(0, 1);
	List = Command->add_subcommand("list", "Print the switches and the saved connections");
	Add = Command->add_subcommand("add", "Save a connection, or turn a saved one back on");
	Add->add_option("endpoint", EndpointText, "IP:PORT")->required()->check(IPv4EndpointValidator());
	Remove = Command->add_subcommand("remove", "Forget a saved connection");
	Remove->add_option("endpoint", EndpointText, "IP:PORT")->required()->check(IPv4EndpointValidator());
	Clear = Command->add_subcommand("clear", "Forget every saved connection");
}

int FSettingsCommand::Execute()
{
	if (Command->get_subcommands().empty())
	{
		std::fprintf(stderr, "zevo-editor: settings needs an action: list, add IP:PORT, remove IP:PORT or clear\n");
		return ExitUsageError;
	}
	if (!OpenProject(ProjectDir))
	{
		return ExitFailure;
	}
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	Settings->LoadConnectionsFromConfig();

	if (List->parsed())
	{
		PrintSettings(*Settings);
		return ExitSuccess;
	}
	const FLoggedErrors Errors;
	if (Add->parsed())
	{
		Settings->AddOrUpdateConnection(ParseEndpointArgument(EndpointText));
	}
	else if (Remove->parsed())
	{
		const int32 Before = Settings->SavedConnections.Num();
		Settings->RemoveConnection(ParseEndpointArgument(EndpointText));
		if (Settings->SavedConnections.Num() == Before)
		{
			std::fprintf(stderr, "zevo-editor: %s is not a saved connection\n", EndpointText.c_str());
			return ExitFailure;
		}
	}
	else if (Clear->parsed())
	{
		Settings->ClearAllConnections();
	}
	return Errors.Num() == 0 ? ExitSuccess : ExitFailure;
}
