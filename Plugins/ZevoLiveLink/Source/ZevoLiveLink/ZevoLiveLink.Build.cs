using UnrealBuildTool;

public class ZevoLiveLink : ModuleRules
{
	public ZevoLiveLink(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		// The public headers derive from and take these modules' types.
		PublicDependencyModuleNames.AddRange(new string[]
		{
			"Core",
			"CoreUObject",
			"Engine",
			"DeveloperSettings",
			"LiveLinkInterface",
			"LiveLinkAnimationCore",
			"Networking",
		});

		// The receiver's socket, the panels and the details customizations stay inside the module.
		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"Sockets",
			"Slate",
			"SlateCore",
			"UnrealEd",
			"PropertyEditor",
		});
	}
}
