# Package jobs through the PowerShell stand-in, and the openers through runas and viewer stand-ins.
target_sources(e2e PRIVATE
    job_commands_test.cpp
    job_message_box_icon.cpp
    job_output_test.cpp
    job_registry_backup.cpp
    job_rig.cpp
    job_standin_test.cpp
    job_uninstall_test.cpp
    opener_test.cpp
)
target_link_libraries(e2e PRIVATE standin_support)
add_dependencies(e2e runas_standin viewer_standin)

tandrel_e2e_test(job_standin "Answers/PowerShellStandInRun.*:PowerShellStandInSleep.*")
tandrel_e2e_test(job_uninstall "Uninstall.*")
tandrel_e2e_test(job_install "Options/Install.*")
tandrel_e2e_test(job_remove_provisioned "RemoveProvisioned.*")
tandrel_e2e_test(job_listings "Menus/PowerShellListing.*")
tandrel_e2e_test(job_package_texts "PackageText.*:Texts/ControlCharacters.*")
tandrel_e2e_test(job_script_unwritable "JobScript.*")
tandrel_e2e_test(job_answers "Modes/PowerShellAnswer.*")
tandrel_e2e_test(job_long_answer "LongAnswer.*")
tandrel_e2e_test(openers "Targets/Opener.*:OddAssociation.*:AboutBox.*")
