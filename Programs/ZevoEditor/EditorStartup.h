#pragma once
// FEditorStartup: the editor's start-up and shutdown around the engine loop. Start-up registers
// the Live Link client as the modular feature, creates GEditor, loads the plugins' modules of the
// default phase (the "ZevoLiveLink" module, whose library sits beside the executable) and raises
// the post-engine-init event; the loop then ticks the editor, which runs the module's auto-connect
// a second later. Game thread only.
#include "CoreMinimal.h"
#include "Editor/EditorEngine.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"

class ILiveLinkClient;

class FEditorStartup
{
public:
	explicit FEditorStartup(ILiveLinkClient& InClient);
	/** Shuts the modules down if ShutdownModules has not, and takes GEditor and the client away. */
	~FEditorStartup();
	FEditorStartup(const FEditorStartup&) = delete;
	FEditorStartup& operator=(const FEditorStartup&) = delete;

	/** False when the plugin module could not be loaded (the log says why). */
	bool Start();
	/** One editor frame: runs the editor's timers that came due. */
	void Tick(double DeltaSeconds);
	/** Engine exit, after the client has shut its sources down. */
	void ShutdownModules();

	/** Types the endpoint into a creation panel of the plugin's source factory and presses Enter,
	 *  as a user would: the settings remember it and the new source goes to the client. */
	void AddSourceThroughPanel(const FIPv4Endpoint& Endpoint);
	/** Creates a source from a connection string through the factory, as the host restores one;
	 *  false when the factory refused the string. */
	bool AddSourceFromConnectionString(const FString& ConnectionString);

private:
	ILiveLinkClient& Client;
	UEditorEngine Editor;
	bool bModulesShutDown = false;
};
