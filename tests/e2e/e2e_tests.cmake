# filled by the e2e harness
