// Shared fixtures and fakes of the tests live in this folder.
