// implemented by the document helper
